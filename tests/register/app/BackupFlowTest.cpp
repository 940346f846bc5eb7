// Backups kept on save, "Restore from backup...", and the lock a second register meets.
#include "AppHarness.h"
#include "AppTests.h"

#include "register/app/BackupCommands.h"
#include "register/app/frmRestore.h"
#include "register/core/Backup.h"
#include "register/core/BookLock.h"

#include <QDir>
#include <QPushButton>
#include <QTreeWidget>

#include <unistd.h>

using namespace apptest;

namespace {

const QByteArray kMarker("left as it was");

// `question`: the lock question asked once the file is chosen, with its answer.
void openBook(Harness& h, const QString& question = QString(), int answer = 0) {
    h.prompter.expectOpenFile(chosen(h.path("a.lgn")));
    if (!question.isEmpty())
        h.prompter.expectMsgBox("Open File", question, kYesNoQ, answer);
    h.action("mnuFileSelect")->trigger();
}

void retitle(Harness& h, const std::string& title) {
    h.session().update([&title](ledger::ChequeBook& b) {
        b.title = title;
        return true;
    });
}

QString lockText(const std::string& host, long pid) {
    return QString::fromStdString(ledger::encodeLock({"sam", host, pid, "12/06/2026 9:00 AM"}));
}

QString thisHost() {
    return QString::fromStdString(ledger::currentLockOwner("").host);
}

QString heldQuestion(const Harness& h, const QString& host) {
    return h.path("a.lgn") + " is open in Ledgerine 95 by sam on " + host +
           " since 12/06/2026 9:00 AM.\nOpen it read-only?";
}

} // namespace

class BackupFlowTest : public QObject {
    Q_OBJECT
private slots:
    void saveKeepsBackupsAndRestorePutsOneBack();
    void failedBackup_data();
    void failedBackup();
    void lockWhenOpening_data();
    void lockWhenOpening();
    void readOnlyBookRefusesSaveButNotSaveAs();
};

void BackupFlowTest::saveKeepsBackupsAndRestorePutsOneBack() {
    Harness h;
    const QByteArray original = writeBook(h.path("a.lgn"), sampleBook("Household"));
    openBook(h);
    QVERIFY(h.window->findChild<QAction*>("mnuRestoreBackup")->isEnabled());
    h.prompter.expectMsgBox("Restore from Backup", "There are no backups of " + h.path("a.lgn") + ".",
                            ui::vbOKOnly + ui::vbInformation, ui::vbOK);
    h.window->findChild<QAction*>("mnuRestoreBackup")->trigger();

    retitle(h, "Second");
    h.action("mnuFileSave")->trigger();
    retitle(h, "Third");
    h.action("mnuFileSave")->trigger();
    VERIFY_DIALOGUE(h);
    QCOMPARE(ledger::listBackups(h.path("a.lgn").toStdString()).size(), std::size_t(2));
    QVERIFY(!h.exists("a.lgn.lock")); // the lock is hidden beside the book
    QVERIFY(h.exists(".a.lgn.lock"));

    // Rows newest first; restore the oldest, the book as first opened.
    h.prompter.expectModal("frmRestore", [](QDialog& d) {
        auto& form = static_cast<ledger::frmRestore&>(d);
        QTreeWidget* list = form.lstBackups;
        if (list->topLevelItemCount() != 2 || list->topLevelItem(0)->text(3) != "Second" ||
            list->topLevelItem(1)->text(1) != "3" || list->topLevelItem(1)->text(2) != "$1,250.25" ||
            form.cmdRestore->isEnabled())
            return int(QDialog::Rejected);
        list->setCurrentItem(list->topLevelItem(1));
        form.cmdRestore->click();
        return form.result();
    });
    const ledger::BackupEntry oldest = ledger::listBackups(h.path("a.lgn").toStdString()).back();
    h.prompter
        .expectMsgBox("Restore from Backup",
                      "Replace " + h.path("a.lgn") + " with the version saved on " +
                          QString::fromStdString(ledger::backupTimeText(oldest.savedAt)) +
                          "?\nThe book as it is now is kept as a backup.",
                      kYesNoQ, ui::vbYes)
        .expectMsgBox("Close File", "Check Book File Currently Open. Save It?", kYesNoQ, ui::vbNo)
        .expectMsgBox("Close File", "Close without saving?", kYesNoQ, ui::vbYes);
    h.window->findChild<QAction*>("mnuRestoreBackup")->trigger();
    VERIFY_DIALOGUE(h);

    QCOMPARE(h.readFile("a.lgn"), original);
    QVERIFY(h.book());
    QCOMPARE(h.book()->title, std::string("Household"));
    QCOMPARE(h.window->windowTitle(), QStringLiteral("Ledgerine 95 <Household>"));
    // The version the restore replaced ("Third") is the newest backup now.
    const std::vector<ledger::BackupEntry> after = ledger::listBackups(h.path("a.lgn").toStdString());
    QCOMPARE(after.size(), std::size_t(3));
    QCOMPARE(after.front().title, std::string("Third"));
}

void BackupFlowTest::failedBackup_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("written");
    QTest::newRow("no: nothing written, changes kept") << int(ui::vbNo) << false;
    QTest::newRow("yes: saved without the backup") << int(ui::vbYes) << true;
}

void BackupFlowTest::failedBackup() {
    QFETCH(int, answer);
    QFETCH(bool, written);
    Harness h;
    writeBook(h.path("a.lgn"), sampleBook());
    openBook(h);
    h.writeFile("a.lgn", kMarker);
    h.writeFile(".ledgerine-backups", "a file where the folder belongs");
    retitle(h, "Changed");
    h.prompter.expectMsgBox("Save File",
                            "The previous version of " + h.path("a.lgn") +
                                " could not be kept as a backup (Path not found).\nSave anyway?",
                            ui::vbYesNo + ui::vbExclamation, answer);
    h.button("Command3D3")->click();
    VERIFY_DIALOGUE(h);
    QCOMPARE(h.readFile("a.lgn") == kMarker, !written);
    QCOMPARE(h.book()->changed, !written);
}

void BackupFlowTest::lockWhenOpening_data() {
    QTest::addColumn<QString>("lock");   // the lock file found beside the book
    QTest::addColumn<QString>("question"); // empty: none asked
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("opened");
    QTest::addColumn<bool>("readOnly");
    const QString here = thisHost();
    // pid 1 always runs; the largest pid never does.
    QTest::newRow("free book: taken, no question") << QString() << QString() << 0 << true << false;
    QTest::newRow("held here: read-only") << lockText(here.toStdString(), 1) << here << int(ui::vbYes) << true
                                          << true;
    QTest::newRow("held elsewhere: cancel") << lockText("laptop", 1) << "laptop" << int(ui::vbNo) << false
                                            << false;
    QTest::newRow("dead process: taken over silently")
        << lockText(here.toStdString(), 2147483647L) << QString() << 0 << true << false;
    QTest::newRow("damaged lock: taken over silently") << "rubbish" << QString() << 0 << true << false;
}

void BackupFlowTest::lockWhenOpening() {
    QFETCH(QString, lock);
    QFETCH(QString, question);
    QFETCH(int, answer);
    QFETCH(bool, opened);
    QFETCH(bool, readOnly);
    Harness h;
    writeBook(h.path("a.lgn"), sampleBook());
    if (!lock.isEmpty())
        h.writeFile(".a.lgn.lock", lock.toUtf8());
    openBook(h, question.isEmpty() ? QString() : heldQuestion(h, question), answer);
    VERIFY_DIALOGUE(h);
    QCOMPARE(h.book() != nullptr, opened);
    QCOMPARE(h.window->windowTitle().endsWith(" [Read-Only]"), readOnly);
    const QByteArray lockNow = h.readFile(".a.lgn.lock");
    const bool ours = lockNow.contains(("pid=" + std::to_string(::getpid()) + "\n").c_str());
    QCOMPARE(ours, opened && !readOnly);
    if (!ours) {
        QCOMPARE(QString::fromUtf8(lockNow), lock); // another's lock is never touched
        return;
    }
    h.prompter.expectMsgBox("Close File", "Check Book File Currently Open. Save It?", kYesNoQ, ui::vbNo)
        .expectMsgBox("Close File", "Close without saving?", kYesNoQ, ui::vbYes);
    h.action("mnuFileClose")->trigger();
    VERIFY_DIALOGUE(h);
    QVERIFY(!h.exists(".a.lgn.lock"));
}

void BackupFlowTest::readOnlyBookRefusesSaveButNotSaveAs() {
    Harness h;
    const QByteArray original = writeBook(h.path("a.lgn"), sampleBook());
    const QString lock = lockText("laptop", 1);
    h.writeFile(".a.lgn.lock", lock.toUtf8());
    openBook(h, heldQuestion(h, "laptop"), ui::vbYes);
    retitle(h, "Mine");
    QVERIFY(h.window->windowTitle().endsWith(" [Read-Only]"));
    h.prompter.expectMsgBox("Save File",
                            h.path("a.lgn") +
                                " was opened read-only.\nUse Save As to keep your changes under another name.",
                            kOkExcl, ui::vbOK);
    h.action("mnuFileSave")->trigger();
    // Save As onto the held book is refused too; to another name it is written and locked.
    h.prompter.expectSaveFile(chosen(h.path("a.lgn")))
        .expectMsgBox("Save File",
                      h.path("a.lgn") +
                          " was opened read-only.\nUse Save As to keep your changes under another name.",
                      kOkExcl, ui::vbOK)
        .expectSaveFile(chosen(h.path("b.lgn")));
    h.action("mnuSaveAs")->trigger();
    h.action("mnuSaveAs")->trigger();
    VERIFY_DIALOGUE(h);
    QCOMPARE(h.readFile("a.lgn"), original);
    QCOMPARE(h.readFile(".a.lgn.lock"), lock.toUtf8());
    QVERIFY(h.exists("b.lgn"));
    QVERIFY(h.exists(".b.lgn.lock"));
    QVERIFY(!h.window->windowTitle().endsWith(" [Read-Only]"));
    QVERIFY(!h.book()->changed);
}

int runBackupFlowTest(int argc, char** argv) {
    BackupFlowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "BackupFlowTest.moc"
