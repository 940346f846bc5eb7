// Pictures of the register's windows for a person to look at: with LEDGERINE_SHOTS naming a folder,
// the main window (empty and with a book open), the entry window, the search window and the
// auto-duplicate frame are saved there as PNG files. Without it the test does nothing.
#include "AppHarness.h"
#include "AppTests.h"

#include <QDialog>

using namespace apptest;

namespace {

QString shotsFolder() { return QString::fromLocal8Bit(qgetenv("LEDGERINE_SHOTS")); }

// A modal window's picture, taken while the script has it open, then closed unchanged.
ui::ScriptedPrompter::ModalScript grabAndCancel(const QString& file) {
    return [file](QDialog& d) {
        d.adjustSize();
        d.grab().save(file);
        return int(QDialog::Rejected);
    };
}

} // namespace

class LookTest : public QObject {
    Q_OBJECT
private slots:
    void windows();
};

void LookTest::windows() {
    const QString shots = shotsFolder();
    if (shots.isEmpty())
        QSKIP("set LEDGERINE_SHOTS to a folder to get the pictures");
    Harness h;
    h.window->resize(900, 560);
    QVERIFY(h.window->grab().save(shots + QStringLiteral("/register-empty.png")));

    ledger::ChequeBook book = sampleBook();
    book.autoDupItems = {ledger::makeItem(1, 0, "Maple Court Rentals", -runtime::Currency::fromUnits(450), "RENT",
                                          'A')};
    writeBook(h.path("a.lgn"), book);
    h.prompter.expectOpenFile(chosen(h.path("a.lgn")));
    h.prompter.expectModal(QStringLiteral("frmAutoDup"), grabAndCancel(shots + QStringLiteral("/autodup-offer.png")));
    h.window->mnuFileSelect->trigger();
    QVERIFY(h.book());
    QVERIFY(h.window->grab().save(shots + QStringLiteral("/register-open.png")));

    h.window->lstChqList->selectOnly(1);
    h.prompter.expectModal(QStringLiteral("frmChqUP"), grabAndCancel(shots + QStringLiteral("/entry-change.png")));
    h.window->cmdChange->click();
    h.prompter.expectModal(QStringLiteral("frmSearch"), grabAndCancel(shots + QStringLiteral("/search.png")));
    h.window->cmdSearch->click();

    h.window->mnuViewProcess->trigger();
    QVERIFY(h.window->grab().save(shots + QStringLiteral("/autodup-frame.png")));
}

int runLookTest(int argc, char** argv) {
    LookTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "LookTest.moc"
