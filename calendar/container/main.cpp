// vxcontainer: places a control, sets and gets its properties, stores and loads them, and prints
// what the control fires.
//
//   vxcontainer [--class ID] [--module NAME] [--design] [--show] [--script FILE] [COMMAND ...]
//   vxcontainer register|unregister [MODULE]      (self-registration; VXCALNDR by default)
//
// Commands: set NAME[(INDEX)] VALUE, get NAME[(INDEX)], call METHOD, typeinfo, save FILE, load FILE,
// mode design|run, reset, script FILE, verbs, pages, properties. Without commands or a script, commands are read from the input.
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
    QStringList modules; // none: the registry, then VXCALNDR
    QString script;
    bool design = false;
    bool show = false; // on screen after the commands, to be clicked and typed at; ends with its window
    QStringList words = app.arguments().mid(1);
    if (!words.isEmpty() && (words.first() == QLatin1String("register") || words.first() == QLatin1String("unregister")))
        return vxcontainer::registerServer(out, words.value(1, QStringLiteral("VXCALNDR")), words.first() == QLatin1String("register"));
    while (!words.isEmpty() && words.first().startsWith(QLatin1String("--"))) {
        const QString option = words.takeFirst();
        if (option == QLatin1String("--design")) {
            design = true;
            continue;
        }
        if (option == QLatin1String("--show")) {
            show = true;
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
    if (show) {
        QWidget* window = container.control();
        window->setWindowTitle(classId);
        window->show();
        window->setFocus();
        app.exec();
        return ok ? 0 : 1;
    }
    if (script.isEmpty() && words.isEmpty()) {
        QTextStream in(stdin);
        container.interact(in);
    }
    return ok ? 0 : 1;
}
