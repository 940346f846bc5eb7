// vxcontainer: places a control, sets and gets its properties, stores and loads them, and prints
// what the control fires.
//
//   vxcontainer [--class ID] [--module NAME] [--design] [--script FILE] [COMMAND ...]
//
// Commands: set NAME[(INDEX)] VALUE, get NAME[(INDEX)], call METHOD, typeinfo, save FILE, load FILE,
// mode design|run, reset, script FILE. Without commands or a script, commands are read from the input.
#include "calendar/container/Container.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM") && !std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY"))
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    QTextStream out(stdout);

    QString classId = QStringLiteral("VXCALNDR.VxcalndrCtrl.1");
    QStringList modules{QStringLiteral("VXCALNDR")};
    QString script;
    bool design = false;
    QStringList words = app.arguments().mid(1);
    while (!words.isEmpty() && words.first().startsWith(QLatin1String("--"))) {
        const QString option = words.takeFirst();
        if (option == QLatin1String("--design")) {
            design = true;
            continue;
        }
        if (words.isEmpty()) {
            out << "error: " << option << " needs a value" << Qt::endl;
            return 2;
        }
        const QString value = words.takeFirst();
        if (option == QLatin1String("--class"))
            classId = value;
        else if (option == QLatin1String("--module"))
            modules = QStringList{value};
        else if (option == QLatin1String("--script"))
            script = value;
        else {
            out << "error: unknown option " << option << Qt::endl;
            return 2;
        }
    }

    vxcontainer::Container container(out);
    if (!container.create(classId, modules))
        return 1;
    bool ok = true;
    if (design)
        ok = container.run(QStringLiteral("mode design"));
    if (!script.isEmpty())
        ok = container.runScript(script) && ok;
    if (!words.isEmpty())
        ok = container.runWords(words) && ok;
    if (script.isEmpty() && words.isEmpty()) {
        QTextStream in(stdin);
        container.interact(in);
    }
    return ok ? 0 : 1;
}
