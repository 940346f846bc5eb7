#include "calculator/app/Calculator.h"
#include "calculator/app/WindowListener.h"

#include "runtime/Clock.h"
#include "ui/Clipboard.h"
#include "ui/Printer.h"
#include "ui/QtPrompter.h"
#include "ui/StartupProbe.h"
#include "winapi/VersionRecord.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QProxyStyle>

#include <memory>

// What "Abacon32.exe" says about itself in its version resource.
// clang-format off
VX_VERSION_RECORD(abaconVersionRecord,
                  VX_VERSION_ENTRY("FileVersion", "1.00.00.00")
                  VX_VERSION_ENTRY("ProductVersion", "1.00.00.00")
                  VX_VERSION_ENTRY("Translation", "040904E4")
                  VX_VERSION_ENTRY("FileDescription", "Abacon calculator")
                  VX_VERSION_ENTRY("ProductName", "Abacon")
                  VX_VERSION_ENTRY("OriginalFilename", "Abacon32.exe"));
// clang-format on

namespace {

// Fusion, with the tool bar's extension arrows drawn here: Fusion reads them from image files,
// which loads every image-format plugin while the window is being built.
class CalculatorStyle final : public QProxyStyle {
public:
    CalculatorStyle() : QProxyStyle(QStringLiteral("Fusion")) {}

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const override {
        if (icon != SP_ToolBarHorizontalExtensionButton && icon != SP_ToolBarVerticalExtensionButton)
            return QProxyStyle::standardIcon(icon, option, widget);
        QPixmap chevron(10, 10);
        chevron.fill(Qt::transparent);
        QPainter painter(&chevron);
        painter.setPen(QPen(Qt::black, 1.5));
        for (const int at : {1, 5}) {
            if (icon == SP_ToolBarHorizontalExtensionButton) {
                painter.drawLine(at, 1, at + 3, 5);
                painter.drawLine(at + 3, 5, at, 9);
            } else {
                painter.drawLine(1, at, 5, at + 3);
                painter.drawLine(5, at + 3, 9, at);
            }
        }
        return QIcon(chevron);
    }
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Abacon"));
    QApplication::setStyle(new CalculatorStyle); // the application owns it

    ui::QtPrompter prompter;
    runtime::SystemClock clock;
    ui::QtClipboard clipboard;
    ui::DefaultPrinter printer;
    abacon::Calculator window({prompter, clock, clipboard, printer});
    prompter.setParent(&window);

    // The register finds, activates and closes the calculator by its caption.
    abacon::WindowListener listener(QStringLiteral("Calculator"), window.windowTitle());
    QObject::connect(&listener, &abacon::WindowListener::activateRequested, &window, [&window] {
        window.showNormal();
        window.raise();
        window.activateWindow();
    });
    QObject::connect(&listener, &abacon::WindowListener::keysReceived, &window,
                     [&window](const QString& keys) { window.sendKeys(keys); });
    listener.listen();

    ui::quitAfterFirstPaintIfAsked(window);
    window.show();
    return QApplication::exec();
}
