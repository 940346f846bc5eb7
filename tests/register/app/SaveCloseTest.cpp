// Save, Save As, Close, Change Title and Change Password with their whole dialogue.
#include "AppHarness.h"
#include "AppTests.h"

#include "register/app/LGNPASSWORD.h"
#include "ui/SSPanel.h"

#include <QAction>
#include <QDir>
#include <QLineEdit>

#include <cerrno>

using namespace apptest;

namespace {

const QByteArray kMarker("left as it was");

// Opens a.lgn (the sample book, optionally with a password) and replaces the file on disk by a
// marker, so that a test sees whether anything was written.
void openSample(Harness& h, const std::string& password = "") {
    writeBook(h.path("a.lgn"), sampleBook("Household", password));
    h.prompter.expectOpenFile(chosen(h.path("a.lgn")));
    if (!password.empty())
        h.prompter.expectInput("PassWord", "Enter PassWord", QString::fromStdString(password));
    h.action("mnuFileSelect")->trigger();
    QVERIFY(h.book());
    h.writeFile("a.lgn", kMarker);
}

QString unchanged(const Harness& h) {
    return h.path("a.lgn") + QStringLiteral(" Unchanged. Save Anyhow?");
}

} // namespace

class SaveCloseTest : public QObject {
    Q_OBJECT
private slots:
    void save_data();
    void save();
    void saveWithoutBookOrRecords();
    void saveDiskErrorKeepsBook_data();
    void saveDiskErrorKeepsBook();
    void saveAsWritesNewPathOnly();
    void saveFailureDialogue_data();
    void saveFailureDialogue();
    void close_data();
    void close();
    void changeTitle_data();
    void changeTitle();
    void changePassword_data();
    void changePassword();
};

void SaveCloseTest::save_data() {
    QTest::addColumn<bool>("changed");
    QTest::addColumn<int>("anyhow");       // answer to "Unchanged. Save Anyhow?"; 0: not asked
    QTest::addColumn<QString>("codeFile"); // budget/code file in use; empty: none
    QTest::addColumn<int>("retain");       // answer to the relationship question
    QTest::addColumn<bool>("written");
    QTest::addColumn<QByteArray>("link"); // the link record's 48-character name
    const QByteArray none(48, ' ');
    QTest::newRow("changed book written") << true << 0 << QString() << 0 << true << none;
    QTest::newRow("unchanged, not anyhow") << false << int(ui::vbNo) << QString() << 0 << false << none;
    QTest::newRow("unchanged, anyhow") << false << int(ui::vbYes) << QString() << 0 << true << none;
    QTest::newRow("relationship retained") << true << 0 << "/codes/lgncodes.csv" << int(ui::vbYes) << true
                                           << QByteArray("/codes/lgncodes.csv").leftJustified(48, ' ');
    QTest::newRow("relationship dropped")
        << true << 0 << "/codes/lgncodes.csv" << int(ui::vbNo) << true << none;
    const QString longPath = QStringLiteral("/a/very/long/folder/name/that/goes/on/and/on/lgncodes.csv");
    QTest::newRow("overlong path kept as its file name") << true << 0 << longPath << int(ui::vbYes) << true
                                                         << QByteArray("lgncodes.csv").leftJustified(48, ' ');
}

void SaveCloseTest::save() {
    QFETCH(bool, changed);
    QFETCH(int, anyhow);
    QFETCH(QString, codeFile);
    QFETCH(int, retain);
    QFETCH(bool, written);
    QFETCH(QByteArray, link);
    Harness h;
    openSample(h);
    if (changed)
        h.session().markChanged();
    h.session().setCodeFile(codeFile);
    if (anyhow)
        h.prompter.expectMsgBox("Save File", unchanged(h), kYesNoQ, anyhow);
    if (retain)
        h.prompter.expectMsgBox(kApp,
                                h.path("a.lgn") + " is using the Budget/Code file " + codeFile +
                                    "\nDo You wish to retain this relationship?",
                                kYesNoQ, retain);
    h.button("Command3D3")->click();
    VERIFY_DIALOGUE(h);

    const QByteArray bytes = h.readFile("a.lgn");
    if (!written) {
        QCOMPARE(bytes, kMarker);
        return;
    }
    // Three items and four closing records; the link record is the second to last.
    QCOMPARE(bytes.size(), 50 * 7);
    QCOMPARE(bytes.mid(250, 2), QByteArray("\x04\x00", 2));
    QCOMPARE(bytes.mid(252, 48), link);
    QVERIFY(!h.book()->changed);
}

void SaveCloseTest::saveWithoutBookOrRecords() {
    Harness h;
    h.prompter.expectMsgBox("Save File", "No File Open!", kOkExcl, ui::vbOK)
        .expectMsgBox("Save As", "No File Open!", kOkExcl, ui::vbOK);
    h.button("Command3D3")->click();
    h.session().saveAs();
    VERIFY_DIALOGUE(h);

    // A book whose register is empty (all four closing records, no items) is never written.
    ledger::ChequeBook empty = sampleBook("Empty");
    empty.items.clear();
    writeBook(h.path("e.lgn"), empty);
    h.prompter.expectOpenFile(chosen(h.path("e.lgn")));
    h.action("mnuFileSelect")->trigger();
    h.session().markChanged();
    h.writeFile("e.lgn", kMarker);
    h.prompter.expectMsgBox("Save File", h.path("e.lgn") + " Contains no records!", kOkExcl, ui::vbOK);
    h.action("mnuFileSave")->trigger();
    VERIFY_DIALOGUE(h);
    QCOMPARE(h.readFile("e.lgn"), kMarker);
    QVERIFY(h.book()->changed);
}

void SaveCloseTest::saveDiskErrorKeepsBook_data() {
    QTest::addColumn<QList<int>>("answers");
    QTest::addColumn<bool>("standardText");
    QTest::newRow("abort") << QList<int>{ui::vbAbort} << false;
    QTest::newRow("retry, then abort") << QList<int>{ui::vbRetry, ui::vbAbort} << false;
    QTest::newRow("ignore") << QList<int>{ui::vbIgnore} << false;
}

void SaveCloseTest::saveDiskErrorKeepsBook() {
    QFETCH(QList<int>, answers);
    Harness h;
    openSample(h);
    h.session().markChanged();
    const QString nowhere = h.path("missing/folder/b.lgn");
    h.prompter.expectSaveFile(chosen(nowhere));
    for (int answer : answers)
        h.prompter.expectMsgBox("Disk Error", "That path doesn't exist.",
                                ui::vbAbortRetryIgnore + ui::vbExclamation, answer);
    h.action("mnuSaveAs")->trigger();
    VERIFY_DIALOGUE(h);
    QCOMPARE(QString::fromStdString(h.book()->path), h.path("a.lgn"));
    QVERIFY(h.book()->changed);
    QCOMPARE(h.readFile("a.lgn"), kMarker);
}

void SaveCloseTest::saveFailureDialogue_data() {
    QTest::addColumn<int>("errnoValue");
    QTest::addColumn<int>("failures"); // failing attempts before the disk behaves again
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("style");
    QTest::addColumn<QList<int>>("answers");
    QTest::addColumn<QString>("standardText"); // shown when the routine gives up; empty: none
    QTest::addColumn<bool>("saved");
    const QString full = QStringLiteral("Disk is full. Continue?");
    const QString busy = QStringLiteral("This file is already open.");
    const int yesNoCancel = ui::vbYesNoCancel + ui::vbQuestion;
    QTest::newRow("disk full, Yes gives up with the standard text")
        << ENOSPC << 9 << full << yesNoCancel << QList<int>{ui::vbYes} << "Disk full" << false;
    QTest::newRow("disk full, Cancel")
        << ENOSPC << 9 << full << yesNoCancel << QList<int>{ui::vbCancel} << QString() << false;
    QTest::newRow("busy once, OK retries and saves")
        << EBUSY << 1 << busy << kOkExcl << QList<int>{ui::vbOK} << QString() << true;
    QTest::newRow("busy for good, OK does not loop")
        << EBUSY << 9 << busy << kOkExcl << QList<int>{ui::vbOK} << "File already open" << false;
}

void SaveCloseTest::saveFailureDialogue() {
    QFETCH(int, errnoValue);
    QFETCH(int, failures);
    QFETCH(QString, message);
    QFETCH(int, style);
    QFETCH(QList<int>, answers);
    QFETCH(QString, standardText);
    QFETCH(bool, saved);
    Harness h;
    openSample(h);
    h.session().markChanged();
    int left = failures;
    h.session().setSaveFault([&](runtime::ReplaceStep step) {
        if (step != runtime::ReplaceStep::Write || left == 0)
            return 0;
        --left;
        return errnoValue;
    });
    for (int answer : answers)
        h.prompter.expectMsgBox("Disk Error", message, style, answer);
    if (!standardText.isEmpty())
        h.prompter.expectMsgBox(kApp, standardText, ui::vbOKOnly + ui::vbCritical, ui::vbOK);
    h.action("mnuFileSave")->trigger();
    VERIFY_DIALOGUE(h);
    QCOMPARE(h.book()->changed, !saved);
    QCOMPARE(h.readFile("a.lgn") != kMarker, saved);
    QCOMPARE(QDir(h.dir.path()).entryList(QDir::Files), (QStringList{"a.lgn"})); // no temporary file left
}

void SaveCloseTest::saveAsWritesNewPathOnly() {
    Harness h;
    openSample(h);
    // Unchanged, yet Save As writes without asking: the new file must exist afterwards.
    h.prompter.expectSaveFile(chosen(h.path("copy.lgn")));
    h.action("mnuSaveAs")->trigger();
    VERIFY_DIALOGUE(h);
    const auto& dialog = h.prompter.transcript().back().fileOptions;
    QCOMPARE(dialog.title, QStringLiteral("Save As"));
    QVERIFY(dialog.overwritePrompt);
    QCOMPARE(h.readFile("copy.lgn").size(), 350);
    QCOMPARE(h.readFile("a.lgn"), kMarker);
    QCOMPARE(QString::fromStdString(h.book()->path), h.path("copy.lgn"));

    h.prompter.expectSaveFile(std::nullopt);
    h.action("mnuSaveAs")->trigger();
    VERIFY_DIALOGUE(h);
    QCOMPARE(QString::fromStdString(h.book()->path), h.path("copy.lgn"));
}

void SaveCloseTest::close_data() {
    QTest::addColumn<bool>("changed");
    QTest::addColumn<QList<int>>("answers"); // Save It?, Close without saving?, Abandon?
    QTest::addColumn<bool>("closed");
    QTest::addColumn<bool>("written");
    QTest::newRow("save it first") << true << QList<int>{ui::vbYes} << true << true;
    QTest::newRow("unchanged, close") << false << QList<int>{ui::vbNo, ui::vbYes} << true << false;
    QTest::newRow("No to closing") << false << QList<int>{ui::vbNo, ui::vbNo} << false << false;
    QTest::newRow("No to abandoning") << true << QList<int>{ui::vbNo, ui::vbYes, ui::vbNo} << false << false;
    QTest::newRow("changes abandoned") << true << QList<int>{ui::vbNo, ui::vbYes, ui::vbYes} << true << false;
}

void SaveCloseTest::close() {
    QFETCH(bool, changed);
    QFETCH(QList<int>, answers);
    QFETCH(bool, closed);
    QFETCH(bool, written);
    Harness h;
    h.prompter.expectMsgBox("Close File", "No Ledgerine file currently open!", kOkExcl, ui::vbOK);
    h.session().close();
    openSample(h);
    if (changed)
        h.session().markChanged();
    const QStringList questions = {QStringLiteral("Check Book File Currently Open. Save It?"),
                                   QStringLiteral("Close without saving?"),
                                   QStringLiteral("Changes Made to Ledgerine, Abandon Them?")};
    for (int i = 0; i < answers.size(); ++i)
        h.prompter.expectMsgBox("Close File", questions[i], kYesNoQ, answers[i]);
    h.action("mnuFileClose")->trigger();
    VERIFY_DIALOGUE(h);

    QCOMPARE(h.readFile("a.lgn") != kMarker, written);
    if (!closed) {
        QCOMPARE(h.window->windowTitle(), QStringLiteral("Ledgerine 95 <Household>"));
        QCOMPARE(h.lineCount(), 3);
        QCOMPARE(h.book()->changed, changed);
        return;
    }
    QVERIFY(!h.book());
    QCOMPARE(h.window->windowTitle(), kApp);
    QCOMPARE(h.lineCount(), 0);
    QVERIFY(h.panel("Panel3D1")->isVisible());
    QCOMPARE(h.panel("panelCompletion")->caption(), QStringLiteral("Click HERE to open a Ledgerine!"));
    QCOMPARE(h.label("lblBalance")->text(), QString());
    QVERIFY(!h.action("mnuFileClose")->isEnabled());
    QVERIFY(!h.action("mnuPassWord")->isEnabled());
}

void SaveCloseTest::changeTitle_data() {
    QTest::addColumn<std::optional<QString>>("answer");
    QTest::addColumn<bool>("refused");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QByteArray>("trailerTitle"); // the title field of the trailer as Save writes it
    const QString t25 = QStringLiteral("Twenty-five characters ok");
    const QString accented25 = QStringLiteral("\u00C9conomies de la Maisonn\u00E9e");
    const QByteArray household = QByteArray("Household").leftJustified(25, ' ');
    QTest::newRow("25 characters") << std::optional<QString>(t25) << false << t25 << t25.toLatin1();
    QTest::newRow("26 characters") << std::optional<QString>(t25 + "!") << true << QStringLiteral("Household")
                                   << household;
    QTest::newRow("25 accented characters, one byte each")
        << std::optional<QString>(accented25) << false << accented25
        << QByteArray("\xC9"
                      "conomies de la Maisonn\xE9"
                      "e");
    QTest::newRow("26 accented characters") << std::optional<QString>(accented25 + QStringLiteral("\u00E9"))
                                            << true << QStringLiteral("Household") << household;
    QTest::newRow("cancelled") << std::optional<QString>() << false << QStringLiteral("Household")
                               << household;
    QTest::newRow("emptied") << std::optional<QString>(QString()) << false << QStringLiteral("Household")
                             << household;
}

void SaveCloseTest::changeTitle() {
    QFETCH(std::optional<QString>, answer);
    QFETCH(bool, refused);
    QFETCH(QString, title);
    QFETCH(QByteArray, trailerTitle);
    Harness h;
    openSample(h);
    h.prompter.expectInput("Change Title", "Enter Cheque Book Title", answer);
    if (refused)
        h.prompter.expectMsgBox("Book Title", "The maximum length of a Cheque Book Tile is 25 characters",
                                kOkExcl, ui::vbOK);
    h.action("mnuChangeTitle")->trigger();
    VERIFY_DIALOGUE(h);
    QCOMPARE(QString::fromStdString(h.book()->title), title);
    QCOMPARE(h.window->windowTitle(), "Ledgerine 95 <" + title + ">");
    QCOMPARE(h.book()->changed, title != QStringLiteral("Household"));
    const QByteArray bytes = QByteArray::fromStdString(ledger::encodeChequeBook(*h.book(), ""));
    QCOMPARE(bytes.right(50).mid(12, 25), trailerTitle);
}

void SaveCloseTest::changePassword_data() {
    QTest::addColumn<QString>("oldPassword");
    QTest::addColumn<bool>("unlockWithEnter");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<std::optional<QString>>("verify"); // nullopt: not asked
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("stored");
    const QString notVerified = QStringLiteral("PassWord not Verified, Not Created nor Changed!");
    QTest::newRow("lock button, verified")
        << "" << false << "ab12" << std::optional<QString>("ab12") << QString() << "ab12";
    QTest::newRow("Enter unlocks") << "" << true << "xy" << std::optional<QString>("xy") << QString()
                                   << "xy  ";
    QTest::newRow("five characters refused") << "pw" << false << "abcde" << std::optional<QString>()
                                             << "The maximum length of a Password is FOUR characters!"
                                             << "pw  ";
    const QString unusable = QStringLiteral("This PassWord cannot be used. Please choose another!");
    QTest::newRow("the no-password marker refused")
        << "pw" << false << "5827" << std::optional<QString>() << unusable << "pw  ";
    QTest::newRow("characters the file cannot hold refused")
        << "pw" << false << QStringLiteral("\u043F\u0430\u0440") << std::optional<QString>() << unusable
        << "pw  ";
    QTest::newRow("mismatch keeps the old one")
        << "pw" << false << "ab12" << std::optional<QString>("ab21") << notVerified << "pw  ";
    QTest::newRow("empty entry removes it")
        << "pw" << false << "" << std::optional<QString>("") << QString() << "5827";
}

void SaveCloseTest::changePassword() {
    QFETCH(QString, oldPassword);
    QFETCH(bool, unlockWithEnter);
    QFETCH(QString, typed);
    QFETCH(std::optional<QString>, verify);
    QFETCH(QString, message);
    QFETCH(QString, stored);
    Harness h;
    openSample(h, oldPassword.toStdString());
    QString typedWhileLocked;
    h.prompter.expectModal("LGNPASSWORD", [&](QDialog& d) {
        auto& f = static_cast<ledger::LGNPASSWORD&>(d);
        QTest::keyClicks(f.Text1, QStringLiteral("zz"));
        typedWhileLocked = f.Text1->text();
        if (unlockWithEnter)
            QTest::keyClick(f.Text1, Qt::Key_Return);
        else
            f.Command3D2->click();
        // Key clicks carry Latin-1 only; other characters arrive as typed text.
        if (typed.toLatin1() == typed.toUtf8())
            QTest::keyClicks(f.Text1, typed);
        else
            QTest::sendKeyEvent(QTest::KeyAction::Click, f.Text1, Qt::Key_unknown, typed, Qt::NoModifier);
        f.Command3D1->click();
        return int(QDialog::Rejected);
    });
    if (verify)
        h.prompter.expectInput("PassWord", "Please ReEnter PassWord to Verify", verify);
    if (!message.isEmpty())
        h.prompter.expectMsgBox("PassWord", message, kOkExcl, ui::vbOK);
    h.action("mnuPassWord")->trigger();
    VERIFY_DIALOGUE(h);
    QCOMPARE(typedWhileLocked, QString());
    QCOMPARE(QString::fromStdString(h.book()->password), stored);
    QCOMPARE(h.book()->changed,
             stored != QString::fromStdString(ledger::storedPassword(oldPassword.toStdString())));
}

#include "SaveCloseTest.moc"

int runSaveCloseTest(int argc, char** argv) {
    SaveCloseTest t;
    return QTest::qExec(&t, argc, argv);
}
