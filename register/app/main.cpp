// ledgrn32: the cheque-book register.
//   ledgrn32                 start with no cheque book open
//   ledgrn32 FILE.lgn        start with that cheque book open
//   ledgrn32 --list FILE.lgn [--password PW]
//                            print the register lines and end, without any window
#include "register/app/AppSettings.h"
#include "register/cli/ListCommand.h"
#include "register/app/frmChqList.h"
#include "register/app/frmStartup.h"
#include "runtime/Clock.h"
#include "ui/Clipboard.h"
#include "ui/Printer.h"
#include "ui/QtPrompter.h"

#include <QApplication>
#include <QFileInfo>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    if (argc >= 2 && std::string(argv[1]) == "--list") {
        const std::vector<std::string> args(argv + 2, argv + argc);
        return ledger::runListCommand("ledgrn32", args, stdout, stderr, ledger::readPasswordFromTerminal);
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ledgerine 95"));
    const QStringList arguments = QApplication::arguments();
    const QString startFile = arguments.size() >= 2 ? arguments.at(1) : QString();
    if (arguments.size() > 2 || startFile.startsWith(QLatin1String("--"))) {
        std::fputs("usage: ledgrn32 [FILE.lgn] | ledgrn32 --list FILE.lgn [--password PASSWORD]\n", stderr);
        return 2;
    }

    ui::QtPrompter prompter;
    runtime::SystemClock clock;
    ui::QtClipboard clipboard;
    ui::QtPrinter printer{QString(), QString()}; // the default printer
    ledger::ProfileSettingsStore settings;
    std::unique_ptr<ledger::frmChqList> window;

    ledger::frmStartup splash;
    QObject::connect(&splash, &ledger::frmStartup::showMainWindow, [&] {
        window = std::make_unique<ledger::frmChqList>(prompter, clock, clipboard, printer, settings);
        window->show();
        if (!startFile.isEmpty())
            window->session().openPath(QFileInfo(startFile).absoluteFilePath());
    });
    splash.show();
    return QApplication::exec();
}
