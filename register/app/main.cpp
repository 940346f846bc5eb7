// ledgrn32: the cheque-book register.
//   ledgrn32                 start with no cheque book open
//   ledgrn32 FILE.lgn        start with that cheque book open
//   ledgrn32 --list FILE.lgn [--password PW]
//                            print the register lines and end, without any window
#include "register/app/AppSettings.h"
#include "register/app/CalculatorLink.h"
#include "register/app/RegisterHelp.h"
#include "register/app/StartupChecks.h"
#include "register/cli/ListCommand.h"
#include "register/app/frmChqList.h"
#include "register/app/frmStartup.h"
#include "runtime/Clock.h"
#include "ui/Clipboard.h"
#include "ui/Printer.h"
#include "ui/QtPrompter.h"
#include "ui/StartupProbe.h"
#include "winapi/Paths.h"
#include "winapi/VersionRecord.h"

#include <QApplication>
#include <QFileInfo>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>
#include <string>
#include <vector>

// What "ledgrn32" says about itself in its version record (shown by the About window).
// clang-format off
VX_VERSION_RECORD(ledgrn32VersionRecord,
                  VX_VERSION_ENTRY("FileVersion", "5.00.00.00")
                  VX_VERSION_ENTRY("ProductVersion", "5.00.00.00")
                  VX_VERSION_ENTRY("Translation", "040904E4")
                  VX_VERSION_ENTRY("FileDescription", "Ledgerine 95 cheque-book register")
                  VX_VERSION_ENTRY("ProductName", "Ledgerine 95")
                  VX_VERSION_ENTRY("OriginalFilename", "Ledgrn32.exe"));
// clang-format on

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
    ui::DefaultPrinter printer;
    ledger::ProfileSettingsStore settings;
    std::unique_ptr<ledger::frmChqList> window;

    ledger::frmStartup splash;
    QObject::connect(&splash, &ledger::frmStartup::showMainWindow, [&] {
        try {
            const char* path = std::getenv("PATH");
            const ledger::LocatedFiles located =
                ledger::locateStartupFiles(prompter, winapi::programDirectory().string(), path ? path : "");
            window = std::make_unique<ledger::frmChqList>(prompter, clock, clipboard, printer, settings);
            if (auto* calculator = window->findChild<ledger::CalculatorLink*>())
                calculator->setProgram(located.calculator);
            if (auto* help = window->findChild<ledger::RegisterHelp*>())
                help->setHelpFile(located.helpFile);
        } catch (const std::exception& error) {
            // Nothing half-started is shown: the program ends after saying what went wrong.
            window.reset();
            ledger::reportStartupError(prompter, error);
            QApplication::exit(1);
            return;
        }
        window->show();
        if (!startFile.isEmpty())
            window->session().openPath(QFileInfo(startFile).absoluteFilePath());
    });
    ui::quitAfterFirstPaintIfAsked(splash);
    splash.show();
    return QApplication::exec();
}
