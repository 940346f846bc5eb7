// Pictures of the register's windows for a person to look at: with LEDGERINE_SHOTS naming a folder,
// the splash, the main window (empty, with a book open, with the messages hidden), the new-book and
// password windows, the entry window in its five modes (guidance on and off), the zero-amount
// window, the search window, the auto-duplicate frame and the delete frame are saved there as PNG
// files. Without it the test does nothing.
#include "AppHarness.h"
#include "AppTests.h"

#include "register/app/frmStartup.h"

#include "register/app/frmChqUP.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>

using namespace apptest;

namespace {

QString shotsFolder() {
    return QString::fromLocal8Bit(qgetenv("LEDGERINE_SHOTS"));
}

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
    void entryWindows();
};

void LookTest::windows() {
    const QString shots = shotsFolder();
    if (shots.isEmpty())
        QSKIP("set LEDGERINE_SHOTS to a folder to get the pictures");
    {
        ledger::frmStartup splash;
        splash.Timer1->stop();
        QVERIFY(splash.grab().save(shots + QStringLiteral("/splash.png")));
    }
    Harness h;
    h.window->resize(900, 560);
    QVERIFY(h.window->grab().save(shots + QStringLiteral("/register-empty.png")));

    // The new-book window with its password box unlocked and a balance typed.
    h.prompter.expectSaveFile(chosen(h.path("n.lgn")));
    h.prompter.expectMsgBox(QStringLiteral("PassWord"),
                            QStringLiteral("Do you want a PassWord applied to your Cheque Book?"), kYesNoQ,
                            ui::vbYes);
    h.prompter.expectModal(QStringLiteral("FrmNewBook"), [&](QDialog& d) {
        auto* text1 = d.findChild<QLineEdit*>(QStringLiteral("Text1"));
        auto* text3 = d.findChild<QLineEdit*>(QStringLiteral("Text3"));
        text1->setText(QStringLiteral("Household Account"));
        text3->setText(QStringLiteral("-25"));
        QMetaObject::invokeMethod(&d, "Text3_LostFocus");
        QMetaObject::invokeMethod(&d, "Command3D1_Click");
        d.adjustSize();
        d.grab().save(shots + QStringLiteral("/new-book.png"));
        return int(QDialog::Rejected);
    });
    h.action("mnuFileNew")->trigger();
    QVERIFY(!h.book());

    ledger::ChequeBook book = sampleBook();
    book.autoDupItems = {
        ledger::makeItem(1, 0, "Maple Court Rentals", -runtime::Currency::fromUnits(450), "RENT", 'A')};
    writeBook(h.path("a.lgn"), book);
    h.prompter.expectOpenFile(chosen(h.path("a.lgn")));
    h.prompter.expectModal(QStringLiteral("frmAutoDup"),
                           grabAndCancel(shots + QStringLiteral("/autodup-offer.png")));
    h.action("mnuFileSelect")->trigger();
    QVERIFY(h.book());
    QVERIFY(h.window->grab().save(shots + QStringLiteral("/register-open.png")));

    h.list("lstChqList")->selectOnly(1);
    h.prompter.expectModal(QStringLiteral("frmChqUP"),
                           grabAndCancel(shots + QStringLiteral("/entry-change.png")));
    h.button("cmdChange")->click();
    h.prompter.expectModal(QStringLiteral("frmSearch"), grabAndCancel(shots + QStringLiteral("/search.png")));
    h.button("cmdSearch")->click();

    h.action("mnuViewProcess")->trigger();
    QVERIFY(h.window->grab().save(shots + QStringLiteral("/autodup-frame.png")));
    h.button("cmdAutoDupClose")->click();

    h.prompter.expectModal(QStringLiteral("LGNPASSWORD"),
                           grabAndCancel(shots + QStringLiteral("/password.png")));
    h.action("mnuPassWord")->trigger();

    h.action("mnuShowMsg")->trigger();
    emit h.button("cmdNewItem")->mouseMoved(Qt::NoButton, Qt::NoModifier, QPoint(2, 2));
    QCoreApplication::processEvents(); // let the layout take back the room of the closed frame
    QVERIFY(h.window->grab().save(shots + QStringLiteral("/register-messages-off.png")));
    VERIFY_DIALOGUE(h);
}

// The entry window in each mode (guidance on, the date box focused; and with guidance off), the
// zero-amount window and the delete frame.
void LookTest::entryWindows() {
    const QString shots = shotsFolder();
    if (shots.isEmpty())
        QSKIP("set LEDGERINE_SHOTS to a folder to get the pictures");
    Harness h;
    h.window->resize(900, 560);
    ledger::ChequeBook book = sampleBook();
    book.autoDupItems = {
        ledger::makeItem(1, 0, "Maple Court Rentals", -runtime::Currency::fromUnits(450), "RENT", 'P')};
    writeBook(h.path("a.lgn"), book);
    h.prompter.expectOpenFile(chosen(h.path("a.lgn")));
    h.action("mnuFileSelect")->trigger();
    QVERIFY(h.book());

    const auto grabEntry = [&](const QString& name, bool guidance) {
        return [name, guidance, shots](QDialog& d) {
            auto& w = static_cast<ledger::frmChqUP&>(d);
            w.setGuidanceShown(guidance);
            w.adjustSize();
            QApplication::setActiveWindow(&w);
            control<QLineEdit>(&w, "txtDate")->setFocus();
            w.grab().save(shots + QStringLiteral("/entry-%1.png").arg(name));
            return int(QDialog::Rejected);
        };
    };
    h.prompter.expectModal(QStringLiteral("frmChqUP"), grabEntry(QStringLiteral("new"), true));
    h.button("cmdNewItem")->click();
    h.prompter.expectModal(QStringLiteral("frmChqUP"), grabEntry(QStringLiteral("new-quiet"), false));
    h.button("cmdNewItem")->click();
    h.list("lstChqList")->selectOnly(1);
    h.prompter.expectModal(QStringLiteral("frmChqUP"), grabEntry(QStringLiteral("change"), true));
    h.button("cmdChange")->click();
    h.list("lstChqList")->selectOnly(1);
    h.prompter.expectModal(QStringLiteral("frmChqUP"), grabEntry(QStringLiteral("duplicate"), true));
    h.button("cmdDefined")->click();
    h.list("lstChqList")->selectOnly(1);
    h.prompter.expectModal(QStringLiteral("frmChqUP"), grabEntry(QStringLiteral("add-auto"), true));
    h.action("mnuAddAutoDup")->trigger();
    h.action("mnuViewProcess")->trigger();
    h.list("lstDupList")->selectOnly(0);
    h.prompter.expectModal(QStringLiteral("frmChqUP"), grabEntry(QStringLiteral("edit-auto"), true));
    h.button("cmdAutoDupEdit")->click();
    h.button("cmdAutoDupClose")->click();

    ledger::frmZeroAmt zero(h.window.get());
    zero.adjustSize();
    QVERIFY(zero.grab().save(shots + QStringLiteral("/zero-amount.png")));

    h.list("lstChqList")->selectOnly(2);
    h.button("cmdDelete")->click();
    QVERIFY(h.window->grab().save(shots + QStringLiteral("/register-delete.png")));
    h.button("cmdDelCancel")->click();
    VERIFY_DIALOGUE(h);
}

int runLookTest(int argc, char** argv) {
    LookTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "LookTest.moc"
