// Cheque-book and budget/code file flows where a fault once lost data or misled: a damaged
// record, the link to a code file on a long path, an empty register at exit, passwords on
// screen, unstorable code-file names, the list size from the settings, message-box titles.
#include "AppHarness.h"
#include "AppTests.h"

#include "register/BookBytes.h"
#include "register/app/CodeFileSession.h"
#include "register/app/FrmNewBook.h"
#include "register/app/LGNPASSWORD.h"
#include "register/core/CodeFile.h"
#include "ui/QtPrompter.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>

using namespace apptest;

namespace {

const QByteArray kCodes = "\"Salary                   \",\"INC \",\"  1200.00\"\r\n"
                          "\"Rent                     \",\"RENT\",\"  -450.00\"\r\n";

// Loads the code file at path through "&Open File" of the code-file menu.
void openCodes(Harness& h, const QString& path) {
    h.prompter.expectOpenFile(chosen(path));
    h.action("mnuOpenCodes")->trigger();
    QVERIFY2(h.window->codeFiles().loaded(), qPrintable(h.prompter.report()));
}

void openBook(Harness& h, const QString& path) {
    h.prompter.expectOpenFile(chosen(path));
    h.action("mnuFileSelect")->trigger();
}

// Runs the current directory elsewhere for one scope.
struct CurrentDir {
    explicit CurrentDir(const QString& dir) : old(QDir::currentPath()) { QDir::setCurrent(dir); }
    ~CurrentDir() { QDir::setCurrent(old); }
    QString old;
};

} // namespace

class FileFlowTest : public QObject {
    Q_OBJECT
private slots:
    void oneOddRecordLeavesTheRestReadable();
    void longCodeFilePathIsFoundFromAnyDirectory();
    void linkedCodeFileInUseKeepsItsEdits();
    void emptyRegisterLetsTheFlowGoOn_data();
    void emptyRegisterLetsTheFlowGoOn();
    void passwordsAreMasked();
    void startingBalanceIsKeptInCents();
    void unstorableCodeFilePathIsRefused();
    void listSizeFromSettingsIsHonoured();
    void messageBoxShowsItsWholeTitle();
};

void FileFlowTest::oneOddRecordLeavesTheRestReadable() {
    Harness h;
    const std::string good = booktest::itemRecord(1, 46235.0, 0, "Pay", 1'000'000, "INC", ' ');
    h.writeFile("odd.lgn", QByteArray::fromStdString(booktest::bookBytes(
                               good + booktest::itemRecord(0, 46236.0, 0, "Odd", 1, "X", ' ') + good)));
    h.prompter.expectOpenFile(chosen(h.path("odd.lgn")));
    h.prompter.expectMsgBox(
        "Open File",
        "Record 2 holds an invalid deposit flag and cannot be read as an item. It is left "
        "out, and will not be saved again.",
        kOkExcl, ui::vbOK);
    h.action("mnuFileSelect")->trigger();
    VERIFY_DIALOGUE(h);
    QVERIFY(h.book());
    QCOMPARE(h.lineCount(), 2);
}

void FileFlowTest::longCodeFilePathIsFoundFromAnyDirectory() {
    const QString folder = QStringLiteral("budget codes of the household");
    QString bookPath, codePath;
    {
        Harness h;
        QVERIFY(QDir(h.dir.path()).mkpath(folder));
        h.writeFile(folder + "/household.csv", kCodes);
        codePath = h.path(folder + "/household.csv");
        QVERIFY(codePath.size() > 48);
        openCodes(h, codePath);
        bookPath = h.path("home.lgn");
        writeBook(bookPath, sampleBook());
        openBook(h, bookPath);
        h.prompter.expectMsgBox("Save File", bookPath + " Unchanged. Save Anyhow?", kYesNoQ, ui::vbYes)
            .expectMsgBox(kApp,
                          bookPath + " is using the Budget/Code file " + codePath +
                              "\nDo You wish to retain this relationship?",
                          kYesNoQ, ui::vbYes);
        h.action("mnuFileSave")->trigger();
        VERIFY_DIALOGUE(h);
        const QByteArray bytes = h.readFile("home.lgn");
        QCOMPARE(bytes.mid(bytes.size() - 100 + 2, 48),
                 (folder + "/household.csv").leftJustified(48).toLatin1());

        // Reopened by a fresh program whose current directory is elsewhere.
        CurrentDir elsewhere(QDir::rootPath());
        Harness again;
        openBook(again, bookPath);
        VERIFY_DIALOGUE(again);
        QVERIFY(again.window->codeFiles().loaded());
        QCOMPARE(QFileInfo(again.window->codeFiles().activePath()).canonicalFilePath(),
                 QFileInfo(codePath).canonicalFilePath());
        QCOMPARE(again.window->codeFiles().table().count(), std::size_t{2});
    }
}

void FileFlowTest::linkedCodeFileInUseKeepsItsEdits() {
    Harness h;
    h.writeFile("codes.csv", kCodes);
    openCodes(h, h.path("codes.csv"));
    ledger::CodeFileSession& codes = h.window->codeFiles();
    codes.table().append(ledger::makeCodeRecord("Groceries", "FOOD", "-300.00"));
    codes.markCodesChanged();
    writeBook(h.path("a.lgn"), sampleBook(), h.path("codes.csv").toStdString());
    openBook(h, h.path("a.lgn")); // no "Save current Budget/Code file" question, no reload
    VERIFY_DIALOGUE(h);
    QCOMPARE(codes.table().count(), std::size_t{3});
    QVERIFY(codes.codesChanged());
}

void FileFlowTest::emptyRegisterLetsTheFlowGoOn_data() {
    QTest::addColumn<QString>("flow");
    QTest::newRow("exit") << "exit";
    QTest::newRow("close") << "close";
    QTest::newRow("open") << "open";
    QTest::newRow("new") << "new";
}

void FileFlowTest::emptyRegisterLetsTheFlowGoOn() {
    QFETCH(QString, flow);
    Harness h;
    const QByteArray before = writeBook(h.path("a.lgn"), sampleBook());
    openBook(h, h.path("a.lgn"));
    h.session().update([](ledger::ChequeBook& b) {
        b.items.clear();
        return true;
    });
    const QString title = flow == "exit"    ? kApp
                          : flow == "close" ? "Close File"
                          : flow == "open"  ? "Open File"
                                            : "New File";
    const QString empty = h.path("a.lgn") + " Contains no records!";
    if (flow == "exit") {
        h.prompter.expectMsgBox(kApp, "Exit Ledgerine?", kYesNoQ, ui::vbYes)
            .expectMsgBox(kApp, "Ledgerine open, Save it?", kYesNoQ, ui::vbYes)
            .expectMsgBox("Save File", empty, kOkExcl, ui::vbOK);
        QVERIFY(h.window->exitLedgerine());
    } else {
        h.prompter.expectMsgBox(title, "Check Book File Currently Open. Save It?", kYesNoQ, ui::vbYes)
            .expectMsgBox("Save File", empty, kOkExcl, ui::vbOK);
        if (flow == "close") {
            h.action("mnuFileClose")->trigger();
            QVERIFY(!h.book());
        } else if (flow == "open") {
            h.prompter.expectOpenFile(std::nullopt); // the flow reached its file dialog
            h.action("mnuFileSelect")->trigger();
        } else {
            h.prompter.expectSaveFile(std::nullopt);
            h.action("mnuFileNew")->trigger();
        }
    }
    VERIFY_DIALOGUE(h);
    QCOMPARE(h.readFile("a.lgn"), before); // the file keeps its items
}

void FileFlowTest::passwordsAreMasked() {
    Harness h;
    writeBook(h.path("p.lgn"), sampleBook("Household", "abcd"));
    h.prompter.expectOpenFile(chosen(h.path("p.lgn")))
        .expectInput("PassWord", "Enter PassWord", QStringLiteral("abcd"));
    h.action("mnuFileSelect")->trigger();
    QVERIFY(h.book());
    QVERIFY(h.prompter.transcript().back().masked);

    QString lockedHint, unlockedHint, typedWhileLocked;
    int beepsWhileLocked = 0;
    h.prompter
        .expectModal("LGNPASSWORD",
                     [&](QDialog& d) {
                         auto& f = static_cast<ledger::LGNPASSWORD&>(d);
                         lockedHint = f.Text1->placeholderText();
                         const int beepsBefore = h.prompter.beepCount();
                         QTest::keyClicks(f.Text1, QStringLiteral("zz"));
                         typedWhileLocked = f.Text1->text();
                         beepsWhileLocked = h.prompter.beepCount() - beepsBefore;
                         f.Command3D2->click();
                         unlockedHint = f.Text1->placeholderText();
                         QTest::keyClicks(f.Text1, QStringLiteral("wxyz"));
                         f.Command3D1->click();
                         return int(QDialog::Accepted);
                     })
        .expectInput("PassWord", "Please ReEnter PassWord to Verify", QStringLiteral("wxyz"));
    h.action("mnuPassWord")->trigger();
    VERIFY_DIALOGUE(h);
    QVERIFY(h.prompter.transcript().back().masked);
    QCOMPARE(typedWhileLocked, QString());
    QCOMPARE(beepsWhileLocked, 2); // each key refused while locked is heard
    QCOMPARE(lockedHint, QString::fromLatin1(ledger::kLockedPlaceholder));
    QCOMPARE(unlockedHint, QString());
    QCOMPARE(h.book()->password, "wxyz");
}

void FileFlowTest::startingBalanceIsKeptInCents() {
    Harness h;
    h.prompter.expectSaveFile(chosen(h.path("new.lgn")))
        .expectMsgBox("PassWord", "Do you want a PassWord applied to your Cheque Book?", kYesNoQ, ui::vbNo)
        .expectModal("FrmNewBook",
                     [&](QDialog& d) {
                         auto& f = static_cast<ledger::FrmNewBook&>(d);
                         f.Text1->setText(QStringLiteral("Household"));
                         f.Text3->setText(QStringLiteral("12.345"));
                         f.Command3D2->click();
                         return int(QDialog::Accepted);
                     })
        .expectMsgBox("Save New Ledgerine", "Do you wish to Save your new file now?", kYesNoQ, ui::vbNo);
    h.action("mnuFileNew")->trigger();
    VERIFY_DIALOGUE(h);
    QCOMPARE(h.book()->items.at(0).amount.ticks(), 123500); // as shown: $12.35
}

void FileFlowTest::unstorableCodeFilePathIsRefused() {
    Harness h;
    const QString path = h.path(QStringLiteral("codes \u2713.csv")); // a check mark: no Windows-1252 form
    h.writeFile(QStringLiteral("codes \u2713.csv"), kCodes);
    const QString refusal =
        path +
        "\nholds characters that Ledgerine cannot store in its files.\nPlease choose a name without them.";
    h.prompter.expectOpenFile(chosen(path)).expectMsgBox(kApp, refusal, kOkExcl, ui::vbOK);
    h.action("mnuOpenCodes")->trigger();
    VERIFY_DIALOGUE(h);
    QVERIFY(!h.window->codeFiles().loaded());

    h.writeFile("codes.csv", kCodes);
    openCodes(h, h.path("codes.csv"));
    h.prompter.expectSaveFile(chosen(path)).expectMsgBox(kApp, refusal, kOkExcl, ui::vbOK);
    h.action("mnuSaveCodeFile")->trigger();
    VERIFY_DIALOGUE(h);
    QCOMPARE(h.window->codeFiles().activePath(), h.path("codes.csv"));
}

void FileFlowTest::listSizeFromSettingsIsHonoured() {
    Harness h("[Ledgrn]\r\nListHeight=4000\r\nListWidth=11000\r\n");
    QCOMPARE(h.list("lstChqList")->size(), QSize(11000 / 15, 4000 / 15));
    h.prompter.expectMsgBox(kApp, "Exit Ledgerine?", kYesNoQ, ui::vbYes);
    QVERIFY(h.window->exitLedgerine());
    VERIFY_DIALOGUE(h);
    const QByteArray ini = h.readFile("ledgrn95.ini");
    QVERIFY2(ini.contains("ListHeight=4000") && ini.contains("ListWidth=11000"), ini.constData());
}

void FileFlowTest::messageBoxShowsItsWholeTitle() {
    ui::QtPrompter prompter;
    int width = 0;
    QTimer::singleShot(0, [&width] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        width = box->width();
        box->buttons().front()->click();
    });
    prompter.msgBox(QStringLiteral("Incorrect Date"), ui::vbOKOnly + ui::vbExclamation,
                    QStringLiteral("A Title Much Longer Than Its Message"));
    QFont bold = QApplication::font("QMessageBox");
    bold.setBold(true);
    QVERIFY2(width >= QFontMetrics(bold).horizontalAdvance(
                          QStringLiteral("A Title Much Longer Than Its Message")) +
                          ui::kTitleFrameAllowance,
             qPrintable(QString::number(width)));
}

int runFileFlowTest(int argc, char** argv) {
    FileFlowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "FileFlowTest.moc"
