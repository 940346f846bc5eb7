#pragma once

// A register window on a temporary Windows directory, a scripted prompter and a pinned clock.

#include "register/app/AppSettings.h"
#include "register/app/frmChqList.h"
#include "register/core/ChequeBookFile.h"
#include "runtime/Clock.h"
#include "ui/Clipboard.h"
#include "ui/Printer.h"
#include "ui/SSCommand.h"
#include "ui/SSFrame.h"
#include "ui/SSPanel.h"
#include "ui/ScriptedPrompter.h"
#include "ui/Vx3dList.h"

#include <QAction>
#include <QCoreApplication>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>
#include <string>

namespace apptest {

using ui::ScriptedPrompter;

// A window's control or menu item by its object name, as tests reach Qt's own widgets. The
// window's own control comes before a namesake in a dialog it owns (the report windows have an
// mnuPrint and an lblTips too). A name the window does not have fails the test at once rather
// than crashing it later.
template <class T>
T* control(const QObject* window, const char* name) {
    const QList<T*> found = window->findChildren<T*>(QLatin1String(name));
    if (found.isEmpty())
        qFatal("no %s named %s", T::staticMetaObject.className(), name);
    const auto inDialog = [window](const QObject* o) {
        for (o = o->parent(); o && o != window; o = o->parent())
            if (qobject_cast<const QDialog*>(o))
                return true;
        return false;
    };
    for (T* c : found)
        if (!inDialog(c))
            return c;
    return found.front();
}

inline const QString kApp = QStringLiteral("Ledgerine 95");
inline constexpr int kYesNoQ = ui::vbYesNo + ui::vbQuestion;
inline constexpr int kOkExcl = ui::vbOKOnly + ui::vbExclamation;

struct Harness {
    QTemporaryDir dir;
    ScriptedPrompter prompter;
    runtime::FixedClock clock{runtime::localTimePoint(2026, 12, 7, 13, 5)};
    ui::MemoryClipboard clipboard;
    ui::RecordingPrinter printer;
    std::unique_ptr<ledger::ProfileSettingsStore> store;
    std::unique_ptr<ledger::frmChqList> window;

    // Runs before the window opens: writes the files the start finds and queues its dialogue.
    using StartScript = std::function<void(Harness&)>;

    // iniText, when given, is the settings file the program finds at start. The temporary folder
    // is also the program directory. Without atStart it holds no budget/code file, so the start
    // shows the "not found in your path" box, which the harness answers and then forgets.
    explicit Harness(const QByteArray& iniText = QByteArray(), const StartScript& atStart = {}) {
        qputenv("LEDGERINE_WINDIR", dir.path().toLocal8Bit());
        qputenv("LEDGERINE_PROGDIR", dir.path().toLocal8Bit());
        if (!iniText.isNull())
            writeFile(QStringLiteral("ledgrn95.ini"), iniText);
        if (atStart)
            atStart(*this);
        else
            expectCodesNotInPath(prompter, QStringLiteral("lgncodes.csv"));
        store = std::make_unique<ledger::ProfileSettingsStore>();
        window = std::make_unique<ledger::frmChqList>(prompter, clock, clipboard, printer, *store);
        window->show();
        if (!atStart && prompter.clean())
            prompter.reset();
    }
    ~Harness() {
        // Closing the window would run the exit sequence; a test that wants it calls it itself.
        window.reset();
        qunsetenv("LEDGERINE_PROGDIR");
        qunsetenv("LEDGERINE_WINDIR");
    }

    static void expectCodesNotInPath(ScriptedPrompter& p, const QString& name) {
        p.expectMsgBox(
            QStringLiteral("Ledgerine 95 File Search"),
            name + " not found in your path.\nWindows has searched your PATH environment variable for " +
                name + "\nSo you need to copy " + name +
                " to a directory included in your PATH\nIf you wish to use this feature while running "
                "Ledgerine 95!",
            ui::vbOKOnly + ui::vbExclamation, ui::vbOK);
    }

    QString path(const QString& name) const { return dir.filePath(name); }
    void writeFile(const QString& name, const QByteArray& bytes) const {
        QFile f(path(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray readFile(const QString& name) const {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    bool exists(const QString& name) const { return QFile::exists(path(name)); }

    ledger::ChequeBookSession& session() { return window->session(); }
    const ledger::ChequeBook* book() { return session().book(); }

    // The main window's controls and menu items by object name.
    template <class T>
    T* control(const char* name) const {
        return apptest::control<T>(window.get(), name);
    }
    QAction* action(const char* name) const { return control<QAction>(name); }
    ui::SSCommand* button(const char* name) const { return control<ui::SSCommand>(name); }
    ui::Vx3dList* list(const char* name) const { return control<ui::Vx3dList>(name); }
    ui::SSPanel* panel(const char* name) const { return control<ui::SSPanel>(name); }
    ui::SSFrame* frame(const char* name) const { return control<ui::SSFrame>(name); }
    QLabel* label(const char* name) const { return control<QLabel>(name); }

    QString line(int i) const { return list("lstChqList")->List(i); }
    int lineCount() const { return list("lstChqList")->ListCount(); }
};

// The built programs and the source tree: from the test runner's environment, otherwise beside
// this executable (build/tests next to build/bin) and the tree it was built from, so that the
// tests pass from any working directory.
inline QString binDir() {
    const QString dir = qEnvironmentVariable("VX_BIN_DIR");
    return !dir.isEmpty() ? dir : QCoreApplication::applicationDirPath() + QStringLiteral("/../bin");
}
inline QString sourceDir() {
    const QString dir = qEnvironmentVariable("VX_SOURCE_DIR");
    return !dir.isEmpty() ? dir : QStringLiteral(LEDGER_SOURCE_DIR);
}

inline ui::FileDialogResult chosen(const QString& path) {
    ui::FileDialogResult r;
    r.path = path;
    r.fileTitle = path.section(QLatin1Char('/'), -1);
    return r;
}

// A small cheque book: two deposits and a cheque over two months.
inline ledger::ChequeBook sampleBook(const std::string& title = "Household", const std::string& password = "") {
    using runtime::Currency;
    ledger::ChequeBook b;
    b.title = title;
    b.password = ledger::storedPassword(password);
    b.lastAutoDupDay = 7;
    b.items = {
        ledger::makeItem(runtime::oleFromCivil(2026, 10, 1), 0, "Opening Balance", Currency::fromUnits(500), "OPEN",
                         'd'),
        ledger::makeItem(runtime::oleFromCivil(2026, 10, 4), 101, "Maple Court Rentals", -Currency::fromUnits(450),
                         "RENT", 'c'),
        ledger::makeItem(runtime::oleFromCivil(2026, 11, 3), 0, "Payroll", *Currency::parse("1200.25"), "INC", ' '),
    };
    return b;
}

// Writes the book at the path with the current writer and returns the file's bytes.
inline QByteArray writeBook(const QString& path, const ledger::ChequeBook& book, std::string_view link = {}) {
    ledger::saveChequeBook(path.toStdString(), book, link);
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Writes the book as a.lgn in the harness folder and opens it through File, Open.
inline void openBook(Harness& h, const ledger::ChequeBook& book) {
    writeBook(h.path("a.lgn"), book);
    h.prompter.expectOpenFile(chosen(h.path("a.lgn")));
    h.action("mnuFileSelect")->trigger();
    QVERIFY(h.book());
    h.prompter.reset();
}

// The register lines of the sample book as the list shows them.
inline const QStringList kSampleLines = {
    QStringLiteral("d\t1\t10/01/26\t00000\tOpening Balance          \t500.00\t\tOPEN\t500.00"),
    QStringLiteral("c\t2\t10/04/26\t00101\tMaple Court Rentals      \t\t450.00\tRENT\t50.00"),
    QStringLiteral(" \t3\t11/03/26\t00000\tPayroll                  \t1,200.25\t\tINC \t1,250.25"),
};

} // namespace apptest

Q_DECLARE_METATYPE(std::optional<QString>)

#define VERIFY_DIALOGUE(harness) QVERIFY2((harness).prompter.clean(), qPrintable((harness).prompter.report()))
