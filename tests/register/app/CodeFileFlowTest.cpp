// The budget/code file in the register program: loading at start and for an opened cheque book,
// the relationship question on Save, writing at exit, and the file commands of its menu.

#include "AppHarness.h"
#include "AppTests.h"

#include "register/app/CodeFileSession.h"

#include <QDir>

#include <cerrno>

using namespace apptest;

namespace {

// Three records as the file holds them: an income code, a spacer and an expense code.
const QByteArray kCodes = "\"Salary                   \",\"INC \",\"  1200.00\"\r\n"
                          "\"*******************      \",\"****\",\"*********\"\r\n"
                          "\"Rent                     \",\"RENT\",\"  -450.00\"\r\n";
// The same codes written loosely: unquoted, short fields, LF line ends. Loading pads them.
const QByteArray kLooseCodes =
    "Salary,INC,1200.00\n\"*******************\",****,*********\nRent,RENT,-450.00\n";
const QByteArray kExtraLine = "\"Groceries                \",\"FOOD\",\"  -300.00\"\r\n";
constexpr int kCritical = ui::vbOKOnly + ui::vbCritical;
constexpr int kYesNoExcl = ui::vbYesNo + ui::vbExclamation;

// One expected box: "title|style|text"; %1 in the text stands for the temporary folder.
QStringList boxes(std::initializer_list<const char*> rows) {
    QStringList list;
    for (const char* row : rows)
        list << QString::fromUtf8(row);
    return list;
}

void expectBoxes(Harness& h, const QStringList& rows) {
    for (const QString& row : rows) {
        const QStringList parts = row.split(QLatin1Char('|'));
        const QString text =
            parts.at(2).contains(QStringLiteral("%1")) ? parts.at(2).arg(h.dir.path()) : parts.at(2);
        const int style = parts.at(1).toInt();
        h.prompter.expectMsgBox(parts.at(0), text, style,
                                (style & 0xF) == ui::vbYesNo ? ui::vbYes : ui::vbOK);
    }
}

// Starts with lgncodes.csv in the program directory, loaded without a word.
Harness::StartScript withCodes(const QByteArray& csv = kCodes) {
    return [csv](Harness& h) {
        h.writeFile(QStringLiteral("lgncodes.csv"), csv);
    };
}

void openSample(Harness& h) {
    writeBook(h.path("a.lgn"), sampleBook());
    h.prompter.expectOpenFile(chosen(h.path("a.lgn")));
    h.action("mnuFileSelect")->trigger();
    QVERIFY(h.book());
}

QString saveQuestion(const QString& path) {
    return "Save current Budget/Code file " + path;
}

} // namespace

class CodeFileFlowTest : public QObject {
    Q_OBJECT
private slots:
    void startUp_data();
    void startUp();
    void shippedCodesLoadAndSaveUnchanged();
    void openedBookLoadsItsCodeFile_data();
    void openedBookLoadsItsCodeFile();
    void saveAsksToRetainTheRelationship_data();
    void saveAsksToRetainTheRelationship();
    void exitWritesChangedCodes_data();
    void exitWritesChangedCodes();
    void commandsWithoutCodeFile_data();
    void commandsWithoutCodeFile();
    void saveFileCommand_data();
    void saveFileCommand();
    void saveAsCommand();
    void openFileCommand();
    void setDefaultCommand_data();
    void setDefaultCommand();
};

void CodeFileFlowTest::startUp_data() {
    QTest::addColumn<QByteArray>("ini"); // %1: the temporary folder
    QTest::addColumn<QByteArray>("lgncodes");
    QTest::addColumn<QByteArray>("other"); // other.csv
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<int>("beeps");
    QTest::addColumn<QString>("loadedName"); // empty: nothing loaded
    QTest::addColumn<QStringList>("budgets");

    const QByteArray none;
    const QStringList three{"  1200.00", "*********", "  -450.00"};
    QTest::newRow("default file in the program directory")
        << none << kCodes << none << QStringList() << 0 << "lgncodes.csv" << three;
    QTest::newRow("loose fields padded")
        << none << kLooseCodes << none << QStringList() << 0 << "lgncodes.csv"
        << QStringList{"  1200.00", "*********", "  -450.00"};
    QTest::newRow("default file nowhere on the path")
        << none << none << none
        << boxes({"Ledgerine 95 File Search|48|lgncodes.csv not found in your path.\nWindows has searched "
                  "your PATH "
                  "environment variable for lgncodes.csv\nSo you need to copy lgncodes.csv to a directory "
                  "included "
                  "in your PATH\nIf you wish to use this feature while running Ledgerine 95!"})
        << 1 << QString() << QStringList();
    QTest::newRow("description of 26 characters aborts")
        << none
        << QByteArray("\"Salary\",\"INC\",\"1.00\"\r\n\"abcdefghijklmnopqrstuvwxyz\",\"X\",\"1.00\"\r\n")
        << none
        << boxes({"Ledgerine 95|16|A Check Code description of longer than 25 characters was "
                  "encountered.\nLoading "
                  "of %1/lgncodes.csv aborted!"})
        << 0 << QString() << QStringList();
    QTest::newRow("code of 5 characters aborts")
        << none << QByteArray("\"Salary\",\"INCOM\",\"1.00\"\r\n") << none
        << boxes({"Ledgerine 95|16|Invalid or missing Check Code Type encountered.\nLonger than 4 "
                  "characters.\nLoading "
                  "of %1/lgncodes.csv aborted!"})
        << 0 << QString() << QStringList();
    QTest::newRow("bad budgets become zero, empty code accepted")
        << none
        << QByteArray("\"Salary\",\"INC\",\"12.5O\"\r\n\"Misc\",\"\",\"1234567.89\"\r\n\"Gift\",\"GIFT\",\"5."
                      "00\"\r\n")
        << none
        << boxes({"Ledgerine 95|16|Invalid Budget data encountered, amount of zero assumed",
                  "Ledgerine 95|16|Invalid Budget data encountered, amount of zero assumed"})
        << 0 << "lgncodes.csv" << QStringList{"     0.00", "     0.00", "     5.00"};
    QTest::newRow("settings name another file")
        << QByteArray("[Ledgrn]\r\nCodetypes=%1/other.csv\r\n") << kCodes << kExtraLine << QStringList() << 0
        << "other.csv" << QStringList{"  -300.00"};
    QTest::newRow("settings name a missing file")
        << QByteArray("[Ledgrn]\r\nCodetypes=%1/gone.csv\r\n") << kCodes << none
        << boxes({"Ledgerine Error|52|Transaction Codes File %1/gone.csv Not Found! Continue?"}) << 1
        << QString() << QStringList();
    QTest::newRow("empty setting falls back to the default")
        << QByteArray("[Ledgrn]\r\nCodetypes=\r\n") << kCodes << none
        << boxes({"Ledgerine 95|48|Unable to read Code types file name!"}) << 0 << "lgncodes.csv" << three;
}

void CodeFileFlowTest::startUp() {
    QFETCH(QByteArray, ini);
    QFETCH(QByteArray, lgncodes);
    QFETCH(QByteArray, other);
    QFETCH(QStringList, messages);
    QFETCH(int, beeps);
    QFETCH(QString, loadedName);
    QFETCH(QStringList, budgets);

    Harness h(QByteArray(), [&](Harness& s) {
        if (!ini.isNull())
            s.writeFile("ledgrn95.ini", QString::fromUtf8(ini).arg(s.dir.path()).toUtf8());
        if (!lgncodes.isNull())
            s.writeFile("lgncodes.csv", lgncodes);
        if (!other.isNull())
            s.writeFile("other.csv", other);
        expectBoxes(s, messages);
    });
    VERIFY_DIALOGUE(h);
    QCOMPARE(h.prompter.beepCount(), beeps);

    const ledger::CodeFileSession& codes = h.window->codeFiles();
    QCOMPARE(codes.loaded(), !loadedName.isEmpty());
    QCOMPARE(h.action("mnuDefault")->isEnabled(), codes.loaded());
    QVERIFY(!codes.codesChanged());
    QStringList loadedBudgets;
    for (const ledger::CodeRecord& r : codes.table().records()) {
        QCOMPARE(r.description.size(), std::size_t(25));
        QCOMPARE(r.code.size(), std::size_t(4));
        loadedBudgets << QString::fromStdString(r.budget);
    }
    QCOMPARE(loadedBudgets, budgets);
    if (loadedName.isEmpty()) {
        QCOMPARE(h.session().codeFile(), QString());
        QCOMPARE(codes.fileTitle(), QString());
    } else {
        QCOMPARE(codes.activePath(), h.path(loadedName));
        QCOMPARE(codes.fileTitle(), loadedName);
        QCOMPARE(h.session().codeFile(), h.path(loadedName));
    }
}

void CodeFileFlowTest::shippedCodesLoadAndSaveUnchanged() {
    QFile sample(sourceDir() + "/samples/lgncodes.csv");
    QVERIFY(sample.open(QIODevice::ReadOnly));
    const QByteArray shipped = sample.readAll();
    Harness h(QByteArray(), withCodes(shipped));
    VERIFY_DIALOGUE(h);
    const ledger::CodeFileSession& codes = h.window->codeFiles();
    QVERIFY(codes.loaded());
    QCOMPARE(codes.table().count(), std::size_t(shipped.count("\r\n")));

    // Written back, the file is the same to the byte.
    h.prompter.expectMsgBox(kApp, saveQuestion(h.path("lgncodes.csv")), kYesNoQ, ui::vbYes);
    h.action("mnuSaveTransCodes")->trigger();
    VERIFY_DIALOGUE(h);
    QCOMPARE(h.readFile("lgncodes.csv"), shipped);
}

void CodeFileFlowTest::openedBookLoadsItsCodeFile_data() {
    QTest::addColumn<QString>("linkName");
    QTest::addColumn<int>("answer"); // to "Not Found! Continue?"; 0: not asked
    QTest::addColumn<bool>("loaded");
    QTest::addColumn<int>("saveChanges"); // answer to saving changed codes first; 0: codes unchanged
    QTest::newRow("named file loaded") << "other.csv" << 0 << true << 0;
    QTest::newRow("changed codes saved first") << "other.csv" << 0 << true << int(ui::vbYes);
    QTest::newRow("changed codes not saved") << "other.csv" << 0 << true << int(ui::vbNo);
    QTest::newRow("missing file, continue") << "gone.csv" << int(ui::vbYes) << false << 0;
    QTest::newRow("missing file, do not continue") << "gone.csv" << int(ui::vbNo) << false << 0;
}

void CodeFileFlowTest::openedBookLoadsItsCodeFile() {
    QFETCH(QString, linkName);
    QFETCH(int, answer);
    QFETCH(bool, loaded);
    QFETCH(int, saveChanges);
    Harness h(QByteArray(), withCodes(kLooseCodes));
    h.writeFile("other.csv", kExtraLine);
    const QString linked = h.path(linkName);
    writeBook(h.path("a.lgn"), sampleBook(), linked.toStdString());
    h.prompter.expectOpenFile(chosen(h.path("a.lgn")));
    if (saveChanges) {
        h.window->codeFiles().markCodesChanged();
        h.prompter.expectMsgBox(kApp, saveQuestion(h.path("lgncodes.csv")), kYesNoQ, saveChanges);
    }
    if (answer)
        h.prompter.expectMsgBox("Ledgerine Error",
                                "Transaction Codes File " + linked + " Not Found! Continue?", kYesNoExcl,
                                answer);
    h.action("mnuFileSelect")->trigger();
    VERIFY_DIALOGUE(h);
    QCOMPARE(h.prompter.beepCount(), answer ? 1 : 0);
    // The book opens either way; only its codes differ.
    QCOMPARE(h.lineCount(), kSampleLines.size());
    const ledger::CodeFileSession& codes = h.window->codeFiles();
    QCOMPARE(codes.loaded(), loaded);
    QCOMPARE(codes.table().count(), loaded ? std::size_t(1) : std::size_t(0));
    QCOMPARE(h.session().codeFile(), loaded ? linked : QString());
    QCOMPARE(h.action("mnuDefault")->isEnabled(), loaded);
    QCOMPARE(h.readFile("lgncodes.csv"), saveChanges == ui::vbYes ? kCodes : kLooseCodes);
}

void CodeFileFlowTest::saveAsksToRetainTheRelationship_data() {
    QTest::addColumn<int>("retain");
    QTest::newRow("retained: link names the code file") << int(ui::vbYes);
    QTest::newRow("dropped: link blank") << int(ui::vbNo);
}

void CodeFileFlowTest::saveAsksToRetainTheRelationship() {
    QFETCH(int, retain);
    Harness h(QByteArray(), withCodes());
    openSample(h);
    h.session().markChanged();
    const QString codes = h.path("lgncodes.csv");
    h.prompter.expectMsgBox(kApp,
                            h.path("a.lgn") + " is using the Budget/Code file " + codes +
                                "\nDo You wish to retain this relationship?",
                            kYesNoQ, retain);
    h.button("Command3D3")->click();
    VERIFY_DIALOGUE(h);

    // Three items, then the four closing records; the link record is the second to last.
    const QByteArray bytes = h.readFile("a.lgn");
    QCOMPARE(bytes.size(), 50 * 7);
    QCOMPARE(bytes.mid(250, 2), QByteArray("\x04\x00", 2));
    const QByteArray name = retain == ui::vbYes ? codes.toUtf8() : QByteArray();
    QCOMPARE(bytes.mid(252, 48), name.leftJustified(48, ' '));
}

void CodeFileFlowTest::exitWritesChangedCodes_data() {
    QTest::addColumn<bool>("changed");
    QTest::addColumn<int>("fault"); // errno of the failed write; 0: none
    QTest::addColumn<QByteArray>("expected");
    QTest::addColumn<QString>("message");
    const QString writeError = QStringLiteral("Error writing transaction codes file \n%1/lgncodes.csv");
    QTest::newRow("unchanged codes left alone") << false << 0 << kLooseCodes << QString();
    QTest::newRow("changed codes written padded") << true << 0 << kCodes + kExtraLine << QString();
    QTest::newRow("disk full") << true << ENOSPC << kLooseCodes << writeError;
    QTest::newRow("no right to the file") << true << EACCES << kLooseCodes << writeError;
}

void CodeFileFlowTest::exitWritesChangedCodes() {
    QFETCH(bool, changed);
    QFETCH(int, fault);
    QFETCH(QByteArray, expected);
    QFETCH(QString, message);
    Harness h(QByteArray(), withCodes(kLooseCodes));
    ledger::CodeFileSession& codes = h.window->codeFiles();
    if (changed) {
        QVERIFY(codes.table().append(ledger::makeCodeRecord("Groceries", "FOOD", "-300.00")));
        codes.markCodesChanged();
    }
    if (fault)
        codes.setSaveFault(
            [fault](runtime::ReplaceStep step) { return step == runtime::ReplaceStep::Write ? fault : 0; });
    h.prompter.expectMsgBox(kApp, "Exit Ledgerine?", kYesNoQ, ui::vbYes);
    if (!message.isEmpty())
        h.prompter.expectMsgBox(kApp, message.arg(h.dir.path()), kCritical, ui::vbOK);
    QVERIFY(h.window->close());
    VERIFY_DIALOGUE(h);
    QCOMPARE(h.readFile("lgncodes.csv"), expected);
    QVERIFY(h.exists("ledgrn95.ini"));                             // the settings were written before
    QCOMPARE(QDir(h.dir.path()).entryList(QDir::Files).size(), 2); // no temporary file left
}

void CodeFileFlowTest::commandsWithoutCodeFile_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("message");
    QTest::newRow("Save File") << "mnuSaveTransCodes"
                               << "No Budget/Code file in use!";
    QTest::newRow("Save As") << "mnuSaveCodeFile"
                             << "No Budget/Code File available!";
    QTest::newRow("Set Default") << "mnuDefault"
                                 << "No Budget/Code file in use!";
}

void CodeFileFlowTest::commandsWithoutCodeFile() {
    QFETCH(QString, command);
    QFETCH(QString, message);
    Harness h;
    QVERIFY(!h.action("mnuDefault")->isEnabled());
    h.prompter.expectMsgBox(kApp, message, kCritical, ui::vbOK);
    h.window->findChild<QAction*>(command)->trigger(); // a disabled action ignores trigger()
    if (command == QLatin1String("mnuDefault"))
        h.window->codeFiles().setDefault();
    VERIFY_DIALOGUE(h);
    QCOMPARE(h.prompter.transcript().size(), std::size_t(1));
}

void CodeFileFlowTest::saveFileCommand_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("Yes writes the padded form") << int(ui::vbYes) << kCodes;
    QTest::newRow("No leaves the file") << int(ui::vbNo) << kLooseCodes;
}

void CodeFileFlowTest::saveFileCommand() {
    QFETCH(int, answer);
    QFETCH(QByteArray, expected);
    Harness h(QByteArray(), withCodes(kLooseCodes));
    h.window->codeFiles().markCodesChanged();
    h.prompter.expectMsgBox(kApp, saveQuestion(h.path("lgncodes.csv")), kYesNoQ, answer);
    h.action("mnuSaveTransCodes")->trigger();
    VERIFY_DIALOGUE(h);
    QCOMPARE(h.readFile("lgncodes.csv"), expected);
    QCOMPARE(h.window->codeFiles().codesChanged(), answer != ui::vbYes);
}

void CodeFileFlowTest::saveAsCommand() {
    Harness h(QByteArray(), withCodes(kLooseCodes));
    ledger::CodeFileSession& codes = h.window->codeFiles();
    codes.markCodesChanged();

    // Cancelled: nothing written, nothing changes.
    h.prompter.expectSaveFile(std::nullopt);
    h.action("mnuSaveCodeFile")->trigger();
    VERIFY_DIALOGUE(h);
    QVERIFY(!h.exists("copy.csv"));
    QVERIFY(codes.codesChanged());

    const ui::FileDialogOptions& dialog = h.prompter.transcript().back().fileOptions;
    QCOMPARE(dialog.title, QStringLiteral("Budget/Code File - Save As"));
    QCOMPARE(dialog.filter, QStringLiteral("Budget/Code Files (*.csv)|*.csv|All Files (*.*)|*.*"));
    QCOMPARE(dialog.filterIndex, 1);
    QCOMPARE(dialog.defaultExt, QStringLiteral("csv"));
    QVERIFY(dialog.createPrompt && dialog.hideReadOnly && dialog.overwritePrompt);

    // A failed write keeps the old name and the changes.
    codes.setSaveFault(
        [](runtime::ReplaceStep step) { return step == runtime::ReplaceStep::Write ? ENOSPC : 0; });
    h.prompter.expectSaveFile(chosen(h.path("copy.csv")))
        .expectMsgBox(kApp, "Error writing transaction codes file \n" + h.path("copy.csv"), kCritical,
                      ui::vbOK);
    h.action("mnuSaveCodeFile")->trigger();
    VERIFY_DIALOGUE(h);
    QVERIFY(!h.exists("copy.csv"));
    QCOMPARE(codes.activePath(), h.path("lgncodes.csv"));
    QCOMPARE(h.session().codeFile(), h.path("lgncodes.csv"));
    QVERIFY(codes.codesChanged());

    codes.setSaveFault({});
    h.prompter.expectSaveFile(chosen(h.path("copy.csv")));
    h.action("mnuSaveCodeFile")->trigger();
    VERIFY_DIALOGUE(h);
    QCOMPARE(h.readFile("copy.csv"), kCodes);
    QCOMPARE(h.readFile("lgncodes.csv"), kLooseCodes);
    QCOMPARE(codes.activePath(), h.path("copy.csv"));
    QCOMPARE(codes.fileTitle(), QStringLiteral("copy.csv"));
    QCOMPARE(h.session().codeFile(), h.path("copy.csv"));
    QVERIFY(!codes.codesChanged());
}

void CodeFileFlowTest::openFileCommand() {
    Harness h(QByteArray(), withCodes(kLooseCodes));
    h.writeFile("other.csv", kExtraLine);
    openSample(h);
    ledger::CodeFileSession& codes = h.window->codeFiles();
    codes.markCodesChanged();

    // Changed codes are offered for saving before the dialog; a cancelled dialog keeps everything.
    h.prompter.expectMsgBox(kApp, saveQuestion(h.path("lgncodes.csv")), kYesNoQ, ui::vbNo)
        .expectOpenFile(std::nullopt);
    h.action("mnuOpenCodes")->trigger();
    VERIFY_DIALOGUE(h);
    QCOMPARE(h.prompter.transcript().back().fileOptions.title, QStringLiteral("Open Budget/Code File"));
    QCOMPARE(codes.activePath(), h.path("lgncodes.csv"));
    QCOMPARE(codes.table().count(), std::size_t(3));
    QVERIFY(!h.book()->changed);

    h.prompter.expectMsgBox(kApp, saveQuestion(h.path("lgncodes.csv")), kYesNoQ, ui::vbYes)
        .expectOpenFile(chosen(h.path("other.csv")));
    h.action("mnuOpenCodes")->trigger();
    VERIFY_DIALOGUE(h);
    QCOMPARE(h.readFile("lgncodes.csv"), kCodes); // saved on Yes
    QCOMPARE(codes.activePath(), h.path("other.csv"));
    QCOMPARE(codes.table().count(), std::size_t(1));
    QVERIFY(!codes.codesChanged());
    QVERIFY(h.book()->changed); // the book's code file changed
    QCOMPARE(h.session().codeFile(), h.path("other.csv"));

    // A damaged file leaves no codes at all.
    h.writeFile("bad.csv", "\"Salary\",\"INCOME\",\"1.00\"\r\n");
    h.prompter.expectOpenFile(chosen(h.path("bad.csv")))
        .expectMsgBox(
            kApp,
            "Invalid or missing Check Code Type encountered.\nLonger than 4 characters.\nLoading of " +
                h.path("bad.csv") + " aborted!",
            kCritical, ui::vbOK);
    h.action("mnuOpenCodes")->trigger();
    VERIFY_DIALOGUE(h);
    QVERIFY(!codes.loaded());
    QCOMPARE(codes.table().count(), std::size_t(0));
    QCOMPARE(h.session().codeFile(), QString());
    QVERIFY(!h.action("mnuDefault")->isEnabled());
}

void CodeFileFlowTest::setDefaultCommand_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("iniIsFolder"); // the settings file cannot be written
    QTest::newRow("Yes writes Codetypes") << int(ui::vbYes) << false;
    QTest::newRow("No writes nothing") << int(ui::vbNo) << false;
    QTest::newRow("unwritable settings file") << int(ui::vbYes) << true;
}

void CodeFileFlowTest::setDefaultCommand() {
    QFETCH(int, answer);
    QFETCH(bool, iniIsFolder);
    Harness h(QByteArray(), withCodes());
    h.writeFile("other.csv", kExtraLine);
    h.prompter.expectOpenFile(chosen(h.path("other.csv")));
    h.action("mnuOpenCodes")->trigger();
    if (iniIsFolder)
        QVERIFY(QDir(h.dir.path()).mkdir("ledgrn95.ini"));

    const QString other = h.path("other.csv");
    h.prompter.expectMsgBox(kApp, other + " will be saved as the default\nBudget/Code File", kYesNoExcl,
                            answer);
    if (iniIsFolder)
        h.prompter.expectMsgBox(kApp, "Unable to write Budget/Code file name to INI file!", kCritical,
                                ui::vbOK);
    QVERIFY(h.action("mnuDefault")->isEnabled());
    h.action("mnuDefault")->trigger();
    VERIFY_DIALOGUE(h);

    const bool written = answer == ui::vbYes && !iniIsFolder;
    QCOMPARE(h.window->codeFiles().defaultPath(), written ? other : QStringLiteral("lgncodes.csv"));
    if (!iniIsFolder)
        QCOMPARE(h.readFile("ledgrn95.ini"),
                 written ? QByteArray("[Ledgrn]\r\nCodetypes=" + other.toUtf8() + "\r\n") : QByteArray());
}

#include "CodeFileFlowTest.moc"

int runCodeFileFlowTest(int argc, char** argv) {
    CodeFileFlowTest t;
    return QTest::qExec(&t, argc, argv);
}
