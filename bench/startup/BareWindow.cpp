// The yardstick of start-up time: a bare Qt widget program, shown and ended as the programs are by
// scripts/bench-startup.
#include "ui/StartupProbe.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("Bare window"));
    window.resize(320, 240);
    ui::quitAfterFirstPaintIfAsked(window);
    window.show();
    return QApplication::exec();
}
