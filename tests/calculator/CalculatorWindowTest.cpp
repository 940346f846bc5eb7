#include "calculator/app/Calculator.h"
#include "calculator/app/LoanInpt.h"
#include "calculator/app/LoanTabl.h"
#include "calculator/app/frmAbout.h"
#include "calculator/core/Message.h"

#include "runtime/Clock.h"
#include "ui/Clipboard.h"
#include "ui/Printer.h"
#include "ui/ScriptedPrompter.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QEnterEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

#include <memory>

namespace {

using namespace abacon;

// The scripted prompter does not look at the text an input box offers; the label flow needs it.
class OfferRecordingPrompter : public ui::ScriptedPrompter {
public:
    std::optional<QString> inputBox(const QString& prompt, const QString& title,
                                    const QString& defaultText) override {
        offered << defaultText;
        return ScriptedPrompter::inputBox(prompt, title, defaultText);
    }
    QStringList offered;
};

struct Rig {
    OfferRecordingPrompter prompter;
    runtime::FixedClock clock{runtime::localTimePoint(2026, 12, 7, 9, 30)};
    ui::MemoryClipboard clipboard;
    ui::RecordingPrinter printer;
    Calculator window{{prompter, clock, clipboard, printer}};

    QLineEdit* readout() const { return window.findChild<QLineEdit*>(QStringLiteral("Readout")); }
    QListWidget* list() const { return window.findChild<QListWidget*>(QStringLiteral("List1")); }
    QString display() const { return readout()->text(); }
    QStringList tape() const {
        QStringList lines;
        for (int i = 0; i < list()->count(); ++i) {
            lines << list()->item(i)->text();
        }
        return lines;
    }
    bool click(const QString& name) {
        auto* b = window.findChild<QAbstractButton*>(name);
        if (b) {
            b->click();
        }
        return b != nullptr;
    }
    bool trigger(const QString& name) {
        auto* a = window.findChild<QAction*>(name);
        if (a) {
            a->trigger();
        }
        return a != nullptr;
    }
    void type(const QString& keys) { QTest::keyClicks(readout(), keys); }
    void select(std::initializer_list<int> rows) {
        for (int r : rows) {
            list()->item(r)->setSelected(true);
        }
    }
};

QString op(const QString& number, char symbol) {
    return QString(18 - number.size(), QLatin1Char(' ')) + number + QLatin1Char(' ') + QLatin1Char(symbol) +
           QStringLiteral("  ");
}
QString total(const QString& number) {
    return QString(18 - number.size(), QLatin1Char(' ')) + number + QStringLiteral("  ");
}
QString dashes(int n) {
    return total(QString(n, QLatin1Char('-')));
}

const QString kAbacon = QStringLiteral("Abacon");

} // namespace

class CalculatorWindowTest : public QObject {
    Q_OBJECT

private slots:
    void typedKeys_data();
    void typedKeys();
    void keysAndMemoryButtons();
    void tapeStatistics();
    void labelOffersToday();
    void clipboardFlows();
    void printTape();
    void heights_data();
    void heights();
    void hints();
    void trigonometryPanel();
    void loanTableFlow();
    void aboutShowsVersion();
    void keysFromAnotherProgram();
    void layoutFits();
    void captions_data();
    void captions();
    void toolbarKeys();
    void keyboard();
    void accessKeysAreClaimedOnce();
    void keyboardReachesEveryKey();
};

void CalculatorWindowTest::typedKeys_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QStringList>("tape");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("beeps");

    const QStringList fiveLines{op("2.00", '+'), op("3.00", '='), dashes(4), total("5.00"),
                                QStringLiteral("    ")};
    QTest::newRow("two plus three writes five tape lines") << "2+3="
                                                           << "5.00" << fiveLines << "" << 0 << 0;
    QTest::newRow("second operator in a row is ignored")
        << "2+-3="
        << "5.00" << fiveLines << text::kTwoOperators << ui::vbCritical << 1;
    QTest::newRow("percent is first over second times hundred")
        << "50%200="
        << "25.00"
        << QStringList{op("50.00", '%'), op("200.00", '='), dashes(5), total("25.00") + " %", "    "} << ""
        << 0 << 0;
    QTest::newRow("star and x multiply, letters are ignored") << "6*7xq2="
                                                              << "84.00" << QStringList() << "" << 0 << 0;
    QTest::newRow("thirteen digits keep their first twelve")
        << "1234567890123+1="
        << "123,456,789,013.00" << QStringList() << text::kTooLarge << ui::vbOKOnly << 0;
    QTest::newRow("divide by zero keeps the total")
        << "8/0="
        << "8.00" << QStringList() << text::kDivideByZero << ui::vbExclamation << 1;
}

void CalculatorWindowTest::typedKeys() {
    QFETCH(QString, keys);
    QFETCH(QString, display);
    QFETCH(QStringList, tape);
    QFETCH(QString, message);
    QFETCH(int, style);
    QFETCH(int, beeps);
    Rig rig;
    if (!message.isEmpty()) {
        rig.prompter.expectMsgBox(kAbacon, message, style, ui::vbOK);
    }
    rig.type(keys);
    QCOMPARE(rig.display(), display);
    if (!tape.isEmpty()) {
        QCOMPARE(rig.tape(), tape);
    }
    QVERIFY2(rig.prompter.clean(), qPrintable(rig.prompter.report()));
    QCOMPARE(rig.prompter.beepCount(), beeps);
}

void CalculatorWindowTest::keysAndMemoryButtons() {
    Rig rig;
    for (const char* name :
         {"Number(1)", "Number(2)", "Decimal", "Number(5)", "Operator(2)", "Number(2)", "Operator(4)"}) {
        QVERIFY2(rig.click(QString::fromLatin1(name)), name);
    }
    QCOMPARE(rig.display(), QStringLiteral("25.00"));
    QCOMPARE(rig.tape().size(), 5);
    QVERIFY(rig.click(QStringLiteral("Memory")));
    QVERIFY(rig.click(QStringLiteral("Cancel")));
    QCOMPARE(rig.display(), QString());
    QVERIFY(rig.tape().isEmpty());
    QVERIFY(rig.click(QStringLiteral("RestoreMem")));
    QCOMPARE(rig.display(), QStringLiteral("25.00"));
    QCOMPARE(rig.readout()->cursorPosition(), 5);
    // Mid-calculation: C&E drops only the entry being typed.
    rig.type(QStringLiteral("+7"));
    QVERIFY(rig.click(QStringLiteral("CancelEntry")));
    QCOMPARE(rig.display(), QString());
    rig.type(QStringLiteral("5="));
    QCOMPARE(rig.display(), QStringLiteral("30.00"));
    QVERIFY(rig.click(QStringLiteral("ClearMem")));
    QVERIFY(rig.click(QStringLiteral("RestoreMem")));
    QCOMPARE(rig.display(), QString());
    rig.type(QStringLiteral("9"));
    QVERIFY(rig.click(QStringLiteral("ReverseSign")));
    QCOMPARE(rig.display(), QStringLiteral("(9.00)"));
    rig.prompter.expectMsgBox(kAbacon, QString::fromLatin1(text::kNegativeRoot), ui::vbOKOnly, ui::vbOK);
    QVERIFY(rig.click(QStringLiteral("SqRoot")));
    QVERIFY(rig.click(QStringLiteral("SquareReg")));
    QCOMPARE(rig.display(), QStringLiteral("81.00"));
    // Text put into the box other than by keys (a middle-click paste) does not stay.
    rig.readout()->insert(QStringLiteral("junk"));
    QCOMPARE(rig.display(), QStringLiteral("81.00"));
    QVERIFY(rig.click(QStringLiteral("Command4")));
    QCOMPARE(rig.display(), QStringLiteral("0.0123"));
    QVERIFY2(rig.prompter.clean(), qPrintable(rig.prompter.report()));
}

void CalculatorWindowTest::tapeStatistics() {
    Rig rig;
    QVERIFY(rig.trigger(QStringLiteral("mnuStats")));
    rig.type(QStringLiteral("10+5-3="));
    rig.select({0, 1, 2});
    struct Step {
        const char* button;
        const char* result;
    };
    // 10 + 5 - 3; the squares 100 + 25 + 9 give a sample deviation of sqrt(43).
    for (const Step& s : {Step{"SSCommand1", "12.00"}, Step{"SSCommand2", "4.00"},
                          Step{"SSCommand4", "6.5574"}, Step{"SSCommand5", "12.00"}}) {
        QVERIFY(rig.click(QString::fromLatin1(s.button)));
        QCOMPARE(rig.display(), QString::fromLatin1(s.result));
    }
    QVERIFY(rig.click(QStringLiteral("CancelEntry")));
    QVERIFY(rig.list()->selectedItems().isEmpty());
    rig.prompter.expectMsgBox(kAbacon, QString::fromLatin1(text::kNoneSelected), ui::vbOKOnly, ui::vbOK);
    QVERIFY(rig.click(QStringLiteral("SSCommand1")));
    rig.prompter.expectMsgBox(kAbacon, QString::fromLatin1(text::kInsufficient), ui::vbOKOnly, ui::vbOK);
    rig.select({0});
    QVERIFY(rig.click(QStringLiteral("SSCommand4")));
    // Select All takes in the line of four blanks that closes the calculation.
    rig.prompter.expectMsgBox(kAbacon, QString::fromLatin1(text::kInvalidSelection), ui::vbCritical,
                              ui::vbOK);
    QVERIFY(rig.click(QStringLiteral("SSCommand3")));
    QCOMPARE(rig.list()->selectedItems().size(), 6);
    QVERIFY(rig.click(QStringLiteral("SSCommand1")));
    QCOMPARE(rig.display(), QString()); // as C&E left it
    QVERIFY(rig.click(QStringLiteral("Command1")));
    QVERIFY(rig.tape().isEmpty());
    QVERIFY2(rig.prompter.clean(), qPrintable(rig.prompter.report()));
}

void CalculatorWindowTest::labelOffersToday() {
    Rig rig;
    const QString prompt = QString::fromLatin1(text::kLabelPrompt);
    rig.prompter.expectInput(kAbacon, prompt, QStringLiteral("Groceries"));
    rig.prompter.expectInput(kAbacon, prompt, std::nullopt);
    rig.prompter.expectInput(kAbacon, prompt, QStringLiteral("   "));
    rig.prompter.expectInput(kAbacon, prompt, QStringLiteral("Rent"));
    QVERIFY(rig.click(QStringLiteral("Command2")));
    QVERIFY(rig.trigger(QStringLiteral("mnuLabelTape")));
    QVERIFY(rig.trigger(QStringLiteral("Label")));
    QVERIFY(rig.trigger(QStringLiteral("Label")));
    QCOMPARE(rig.tape(), (QStringList{QStringLiteral("    Groceries"), QStringLiteral("    Rent")}));
    QCOMPARE(rig.prompter.offered, QStringList(4, QStringLiteral("12/07/2026")));
    QVERIFY2(rig.prompter.clean(), qPrintable(rig.prompter.report()));
}

void CalculatorWindowTest::clipboardFlows() {
    Rig rig;
    rig.type(QStringLiteral("1234.5+3="));
    QVERIFY(rig.trigger(QStringLiteral("mnuCopyReg")));
    QCOMPARE(rig.clipboard.text(), QStringLiteral("1,237.50"));

    rig.prompter.expectMsgBox(kAbacon, QString::fromLatin1(text::kNoneSelected), ui::vbOKOnly, ui::vbOK);
    QVERIFY(rig.trigger(QStringLiteral("Copytape")));
    QCOMPARE(rig.clipboard.text(), QStringLiteral("1,237.50")); // left alone
    rig.select({0, 1});
    QVERIFY(rig.trigger(QStringLiteral("mnuCopyTape")));
    QCOMPARE(rig.clipboard.text(), op("1,234.50", '+') + "\r\n" + op("3.00", '='));

    rig.clipboard.setText(QStringLiteral(" (12.25)\r\n"));
    QVERIFY(rig.trigger(QStringLiteral("mnuPaste")));
    QCOMPARE(rig.display(), QStringLiteral("(12.25)"));
    rig.type(QStringLiteral("+2="));
    QCOMPARE(rig.display(), QStringLiteral("(10.25)"));

    rig.clipboard.setText(QStringLiteral("twelve"));
    rig.prompter.expectMsgBox(kAbacon, QString::fromLatin1(text::kPasteNotNumber), ui::vbExclamation,
                              ui::vbOK);
    QVERIFY(rig.trigger(QStringLiteral("Paste")));
    QCOMPARE(rig.display(), QStringLiteral("(10.25)"));
    QVERIFY2(rig.prompter.clean(), qPrintable(rig.prompter.report()));
}

void CalculatorWindowTest::printTape() {
    Rig rig;
    rig.prompter.expectMsgBox(kAbacon, QString::fromLatin1(text::kNoneSelected), ui::vbOKOnly, ui::vbOK);
    QVERIFY(rig.trigger(QStringLiteral("Print")));
    QVERIFY(rig.printer.calls().isEmpty());

    rig.type(QStringLiteral("2+3="));
    QVERIFY(rig.trigger(QStringLiteral("Select")));
    QVERIFY(rig.trigger(QStringLiteral("mnuPrint_Tapr")));
    QVERIFY(rig.printer.calls().first().startsWith(QStringLiteral("font Times New Roman")));
    QCOMPARE(rig.printer.pages().size(), 1);
    QCOMPARE(rig.printer.pages().first(), rig.tape());
    QVERIFY(rig.printer.ended());
    QVERIFY2(rig.prompter.clean(), qPrintable(rig.prompter.report()));
}

void CalculatorWindowTest::heights_data() {
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<int>("twips");
    QTest::addColumn<QString>("helpCaption");
    QTest::addColumn<bool>("stats");
    QTest::addColumn<bool>("trig");

    QTest::newRow("start") << QStringList() << 5375 << "&Help On" << false << false;
    QTest::newRow("help on") << QStringList{"mnuHelpOnOff"} << 6275 << "&Help Off" << false << false;
    QTest::newRow("help off again") << QStringList{"mnuHelpOnOff", "Help"} << 5375 << "&Help On" << false
                                    << false;
    QTest::newRow("statistics panel") << QStringList{"mnuStats"} << 5800 << "&Help On" << true << false;
    QTest::newRow("trig key") << QStringList{"Trig"} << 5800 << "&Help On" << false << true;
    QTest::newRow("help over a panel")
        << QStringList{"Stats", "mnuHelpOnOff"} << 6275 << "&Help Off" << true << false;
    QTest::newRow("help off keeps the panel")
        << QStringList{"mnuStats", "Help", "mnuHelpOnOff"} << 5800 << "&Help On" << true << false;
    QTest::newRow("cancel options") << QStringList{"mnuStats", "mnuTrig", "mnuOptionsCancel"} << 5375
                                    << "&Help On" << false << false;
    QTest::newRow("cancel options while help shows")
        << QStringList{"mnuTrig", "Help", "mnuOptionsCancel"} << 6275 << "&Help Off" << false << false;
}

void CalculatorWindowTest::heights() {
    QFETCH(QStringList, actions);
    QFETCH(int, twips);
    QFETCH(QString, helpCaption);
    QFETCH(bool, stats);
    QFETCH(bool, trig);
    Rig rig;
    rig.window.show();
    for (const QString& a : actions) {
        QVERIFY2(rig.trigger(a), qPrintable(a));
    }
    QCOMPARE(rig.window.heightTwips(), twips);
    QCOMPARE(rig.window.height(), twips / 15);
    QCOMPARE(rig.window.findChild<QAction*>(QStringLiteral("mnuHelpOnOff"))->text(), helpCaption);
    QCOMPARE(rig.window.findChild<QAction*>(QStringLiteral("Help"))->isChecked(), rig.window.helpShown());
    QCOMPARE(rig.window.findChild<QWidget*>(QStringLiteral("SSPanel1"))->isVisible(), stats);
    QCOMPARE(rig.window.findChild<QWidget*>(QStringLiteral("SSPanel2"))->isVisible(), trig);
    // Everything the window shows lies inside it.
    if (stats || trig) {
        auto* panel =
            rig.window.findChild<QWidget*>(stats ? QStringLiteral("SSPanel1") : QStringLiteral("SSPanel2"));
        QVERIFY(panel->mapTo(&rig.window, QPoint(0, panel->height())).y() <= rig.window.height());
    }
    if (rig.window.helpShown()) {
        auto* line = rig.window.findChild<QLabel*>(QStringLiteral("HelpLine"));
        QVERIFY(line->isVisible());
        QVERIFY(line->mapTo(&rig.window, QPoint(0, line->height())).y() <= rig.window.height());
    }
}

void CalculatorWindowTest::hints() {
    Rig rig;
    rig.window.show();
    auto* line = rig.window.findChild<QLabel*>(QStringLiteral("HelpLine"));
    auto hover = [&rig](const char* name) {
        QWidget* w = rig.window.findChild<QWidget*>(QString::fromLatin1(name));
        QEnterEvent enter(QPointF(2, 2), w->mapTo(w->window(), QPointF(2, 2)), w->mapToGlobal(QPointF(2, 2)));
        QCoreApplication::sendEvent(w, &enter);
    };
    hover("Number(5)");
    QVERIFY(line->text().isEmpty()); // help is off
    QVERIFY(rig.trigger(QStringLiteral("mnuHelpOnOff")));
    // Every control with a hint, the keys of a control array at both ends.
    const std::pair<const char*, const char*> rows[] = {
        {"Number(0)", "Appends a new number to the register."},
        {"Number(9)", "Appends a new number to the register."},
        {"Decimal", "Enter a decimal point."},
        {"Operator(0)", "Division operator."},
        {"Operator(1)", "Addition operator."},
        {"Operator(2)", "Multiplication operator."},
        {"Operator(3)", "Subtraction operator."},
        {"Operator(4)", "Enter an arithmetic operator."},
        {"Operator(5)", "Result returned as a percentage!"},
        {"Operator(6)", "Result returned as X to the Y power!"},
        {"CancelEntry", "Clear current Register contents"},
        {"Cancel", "Clear Register and Tape"},
        {"Memory", "Save Register to Memory"},
        {"RestoreMem", "Restore memory to the Register"},
        {"ClearMem", "Clear Memory"},
        {"SquareReg", "Squares Contents of the Register"},
        {"SqRoot", "Takes Square Root of the Register"},
        {"Command4", "Takes Reciprocal value of the Register"},
        {"ReverseSign", "Reverses sign of register contents"},
        {"Readout", "Register readout window"},
        {"Command1", "Clear the tape listbox"},
        {"Command2", "Enter Label for Tape"},
        {"Command3", "Prints selected Tape contents"},
        {"SSCommand3", "Selects all items of tape for printing."},
        {"List1", "Use Mouse and Shift or Ctrl key to Select items"},
        {"SSCommand1", "Sums selected tape items. Result to register."},
        {"SSCommand2", "Average of selected tape items. Result to Register."},
        {"SSCommand4", "Std deviation of selected items. Result to Register"},
        {"SSCommand5", "Selected items recalculated. Result to Register"},
        {"SSCommand6", "Converts register to Sine (radians assumed)."},
        {"SSCommand7", "Converts register to Cosine (radians assumed)."},
        {"SSCommand8", "Converts register to Tangent (radians assumed)."},
        {"SSOption1(0)", "Converts degrees to radians or radians to degrees."},
        {"SSOption1(1)", "Converts degrees to radians or radians to degrees."},
        {"CalculatorFace", "Proceed with next numeric entry!"}};
    for (const auto& [name, hint] : rows) {
        hover(name);
        QCOMPARE(line->text(), QString::fromLatin1(hint));
    }
    QVERIFY(rig.trigger(QStringLiteral("mnuHelpOnOff")));
    QVERIFY(rig.trigger(QStringLiteral("mnuHelpOnOff")));
    QVERIFY(line->text().isEmpty()); // turning help on starts with an empty line
}

void CalculatorWindowTest::trigonometryPanel() {
    Rig rig;
    QVERIFY(rig.trigger(QStringLiteral("mnuTrig")));
    rig.type(QStringLiteral("180"));
    QVERIFY(rig.click(QStringLiteral("SSOption1(1)")));
    QCOMPARE(rig.display(), QStringLiteral("3.14159"));
    QVERIFY(rig.click(QStringLiteral("SSOption1(1)"))); // already radians: no second conversion
    QCOMPARE(rig.display(), QStringLiteral("3.14159"));
    QVERIFY(rig.click(QStringLiteral("SSOption1(0)")));
    QCOMPARE(rig.display(), QStringLiteral("180"));
    rig.type(QStringLiteral("0"));
    QVERIFY(rig.click(QStringLiteral("SSCommand7")));
    QCOMPARE(rig.display(), QStringLiteral("1"));
    rig.type(QStringLiteral("+1="));
    QCOMPARE(rig.display(), QStringLiteral("2.00"));
}

void CalculatorWindowTest::loanTableFlow() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString oldCurrent = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
    {
        QFile old(dir.filePath(QStringLiteral("LoanTemp.Txt")));
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("an older table that is much longer than the new one "
                  "...........................................\n"
                  ".........................................................................................."
                  "......\n"
                  ".........................................................................................."
                  "......\n"
                  ".........................................................................................."
                  "......\n");
    }
    Rig rig;
    QVERIFY(rig.trigger(QStringLiteral("Loans")));
    LoanInpt* loans = rig.window.loanWindow();
    QVERIFY(loans);
    QCOMPARE(loans->windowTitle(), QStringLiteral("Loan Calculator"));
    auto* save = loans->findChild<QAction*>(QStringLiteral("mnuSaveTable"));
    QVERIFY(!save->isEnabled());

    auto* princ = loans->findChild<QLineEdit*>(QStringLiteral("inPrinc"));
    auto* rate = loans->findChild<QLineEdit*>(QStringLiteral("inRate"));
    auto* term = loans->findChild<QComboBox*>(QStringLiteral("inTerm"));
    auto* calc = loans->findChild<QAbstractButton*>(QStringLiteral("Calc"));
    const QString invalid = QString::fromLatin1(text::kInvalidLoanInput);
    const QString loanTitle = QString::fromLatin1(text::kLoanTitle);
    for (const auto& [p, r] : {std::pair{"", "6"}, std::pair{"10000", "0"}, std::pair{"ten", "6"}}) {
        rig.prompter.expectMsgBox(loanTitle, invalid, ui::vbOKOnly, ui::vbOK);
        princ->setText(QString::fromLatin1(p));
        rate->setText(QString::fromLatin1(r));
        calc->click();
    }
    QVERIFY(!loans->table());

    princ->setText(QStringLiteral("$10,000"));
    rate->setText(QStringLiteral("6"));
    term->setCurrentText(QStringLiteral("5 years"));
    calc->click();
    QVERIFY(loans->table());
    QVERIFY(loans->tableWindow()->isVisible());
    QCOMPARE(loans->tableWindow()->windowTitle(), QStringLiteral("Loan Table - Monthly Payments"));
    QVERIFY(loans->tableWindow()->findChild<QAction*>(QStringLiteral("mnuClose")));

    // $10 and 1.0% steps around $10,000 at 6 % over 60 months.
    loans->findChild<QAction*>(QStringLiteral("PrincIncr(0)"))->trigger();
    loans->findChild<QAction*>(QStringLiteral("RateIncr(3)"))->trigger();
    QVERIFY(loans->findChild<QAction*>(QStringLiteral("PrincIncr(0)"))->isChecked());
    QVERIFY(!loans->findChild<QAction*>(QStringLiteral("PrincIncr(2)"))->isChecked());
    rig.prompter.expectMsgBox(kAbacon, QStringLiteral("Loan table saved as LoanTemp.Txt in Abacon folder!"),
                              ui::vbOKOnly, ui::vbOK);
    save->trigger();
    QFile saved(dir.filePath(QStringLiteral("LoanTemp.Txt")));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(),
             QByteArray("5 years          $9,980       $9,990      $10,000      $10,010      $10,020\r\n"
                        "4.00%           $183.80      $183.98      $184.17      $184.35      $184.53\r\n"
                        "5.00%           $188.33      $188.52      $188.71      $188.90      $189.09\r\n"
                        "6.00%           $192.94      $193.13      $193.33      $193.52      $193.71\r\n"
                        "7.00%           $197.62      $197.81      $198.01      $198.21      $198.41\r\n"
                        "8.00%           $202.36      $202.56      $202.76      $202.97      $203.17\r\n"));

    loans->findChild<QAction*>(QStringLiteral("mnuPrintTable"))->trigger();
    QCOMPARE(rig.printer.pages().first().size(), 8);
    QCOMPARE(rig.printer.pages().first().at(2),
             QStringLiteral("5 years          $9,980       $9,990      $10,000      $10,010      $10,020"));
    QVERIFY(rig.printer.ended());

    loans->findChild<QAbstractButton*>(QStringLiteral("cmdExit"))->click();
    QVERIFY(!loans->isVisible());
    QVERIFY(!loans->tableWindow()->isVisible());
    QVERIFY(QDir::setCurrent(oldCurrent));
    QVERIFY2(rig.prompter.clean(), qPrintable(rig.prompter.report()));
}

void CalculatorWindowTest::aboutShowsVersion() {
    Rig rig;
    QString shown;
    rig.prompter.expectModal(QStringLiteral("frmAbout"), [&shown](QDialog& d) {
        shown = d.findChild<QLabel*>(QStringLiteral("Label1"))->text();
        d.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
        return d.result();
    });
    QVERIFY(rig.trigger(QStringLiteral("mnuAbout")));
    QVERIFY2(shown.contains(QStringLiteral("Version: 1.0.0")), qPrintable(shown));
    QVERIFY2(rig.prompter.clean(), qPrintable(rig.prompter.report()));
}

void CalculatorWindowTest::keysFromAnotherProgram() {
    Rig rig;
    rig.window.show();
    rig.window.sendKeys(QStringLiteral("12+3="));
    QCOMPARE(rig.display(), QStringLiteral("15.00"));
    QVERIFY(rig.window.isVisible());
    // Alt+F4 ends the program even with a loan table open, which would otherwise keep it alive.
    QVERIFY(rig.trigger(QStringLiteral("mnuLoans")));
    LoanInpt* loans = rig.window.loanWindow();
    loans->findChild<QLineEdit*>(QStringLiteral("inPrinc"))->setText(QStringLiteral("5000"));
    loans->findChild<QLineEdit*>(QStringLiteral("inRate"))->setText(QStringLiteral("9"));
    loans->findChild<QAbstractButton*>(QStringLiteral("Calc"))->click();
    QVERIFY(loans->tableWindow()->isVisible());
    rig.window.sendKeys(QStringLiteral("%{F4}"));
    QVERIFY(!rig.window.isVisible());
    QVERIFY(!loans->isVisible());
    QVERIFY(!loans->tableWindow()->isVisible());
    QVERIFY(QApplication::topLevelWidgets().size() > 0);
    for (QWidget* w : QApplication::topLevelWidgets()) {
        QVERIFY2(!w->isVisible(), qPrintable(w->objectName()));
    }
}

// Every caption fits its key and no control covers another, with everything shown at once.
// With ABACON_SHOTS naming a folder, pictures of the windows are left there to look at.
void CalculatorWindowTest::layoutFits() {
    Rig rig;
    rig.window.show();
    rig.type(QStringLiteral("1234.5+3=2X"));
    const QString shots = QString::fromLocal8Bit(qgetenv("ABACON_SHOTS"));
    auto shoot = [&shots](QWidget& w, const char* name) {
        if (!shots.isEmpty()) {
            QVERIFY(w.grab().save(shots + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png")));
        }
    };
    shoot(rig.window, "main");
    QVERIFY(rig.trigger(QStringLiteral("mnuStats")));
    QVERIFY(rig.trigger(QStringLiteral("mnuTrig")));
    QVERIFY(rig.trigger(QStringLiteral("mnuHelpOnOff")));
    shoot(rig.window, "panels");

    const QList<QWidget*> controls = rig.window.centralWidget()->findChildren<QWidget*>();
    QVERIFY(controls.size() > 40);
    for (QWidget* w : controls) {
        if (w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_"))) {
            continue; // the inner parts of a list or an edit box
        }
        const QRect r(w->mapTo(&rig.window, QPoint(0, 0)), w->size());
        QVERIFY2(QRect(QPoint(0, 0), rig.window.size()).contains(r), qPrintable(w->objectName()));
        if (auto* b = qobject_cast<QPushButton*>(w)) {
            const QString caption = b->text().remove(QLatin1Char('&'));
            QVERIFY2(b->fontMetrics().horizontalAdvance(caption) + 8 <= b->width(), qPrintable(caption));
        }
        if (auto* o = qobject_cast<QRadioButton*>(w)) {
            QVERIFY2(o->sizeHint().width() <= o->width(), qPrintable(o->text()));
        }
        for (QWidget* other : controls) {
            if (other != w && other->parentWidget() == w->parentWidget() && !other->objectName().isEmpty() &&
                !other->objectName().startsWith(QLatin1String("qt_"))) {
                QVERIFY2(!w->geometry().intersects(other->geometry()),
                         qPrintable(w->objectName() + QStringLiteral(" / ") + other->objectName()));
            }
        }
    }
    // The longest tape line, a twelve-digit total with its operator, shows whole.
    auto* list = rig.list();
    const QString longest = op(QStringLiteral("123,456,789,012.00"), '+');
    QVERIFY(list->fontMetrics().horizontalAdvance(longest) <= list->viewport()->width());

    QVERIFY(rig.trigger(QStringLiteral("Loans")));
    LoanInpt* loans = rig.window.loanWindow();
    loans->findChild<QLineEdit*>(QStringLiteral("inPrinc"))->setText(QStringLiteral("1500"));
    loans->findChild<QLineEdit*>(QStringLiteral("inRate"))->setText(QStringLiteral("0.5"));
    shoot(*loans, "loaninpt");
    loans->findChild<QAbstractButton*>(QStringLiteral("Calc"))->click();
    shoot(*loans->tableWindow(), "loantabl");
    frmAbout about(&rig.window);
    about.show();
    shoot(about, "about");
}

void CalculatorWindowTest::captions_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("shortcut");
    QTest::addColumn<int>("checked"); // -1: not a checkable item

    const char* const main[][3] = {{"Decimal", ".", ""},
                                   {"Operator(0)", "/", ""},
                                   {"Operator(1)", "+", ""},
                                   {"Operator(2)", "X", ""},
                                   {"Operator(3)", "-", ""},
                                   {"Operator(4)", "=", ""},
                                   {"Operator(5)", "%", ""},
                                   {"Operator(6)", "X^Y", ""},
                                   {"CancelEntry", "C&E", ""},
                                   {"Cancel", "&C", ""},
                                   {"Memory", "&M", ""},
                                   {"RestoreMem", "M&+", ""},
                                   {"ClearMem", "M&-", ""},
                                   {"SqRoot", "Sq&Rt", ""},
                                   {"SquareReg", "&Sq", ""},
                                   {"Command4", "1/X", ""},
                                   {"ReverseSign", "+ / -", ""},
                                   {"SSCommand3", "Select All", ""},
                                   {"Command1", "Cle&ar", ""},
                                   {"Command2", "&Label", ""},
                                   {"SSCommand1", "Sum", ""},
                                   {"SSCommand2", "Avg", ""},
                                   {"SSCommand4", "Std Dev", ""},
                                   {"SSCommand5", "ReCalc", ""},
                                   {"SSCommand6", "Sin", ""},
                                   {"SSCommand7", "Cos", ""},
                                   {"SSCommand8", "Tan", ""},
                                   {"SSOption1(0)", "Deg", ""},
                                   {"SSOption1(1)", "Radians", ""},
                                   {"mnuLabelTape", "&Label Tape", ""},
                                   {"mnuPrint_Tapr", "&Print Tape", "Ctrl+P"},
                                   {"mnuSelectAll", "&Select All (Tape)", ""},
                                   {"mnuExit", "&Exit", ""},
                                   {"mnuCopyReg", "Copy &Register", ""},
                                   {"mnuCopyTape", "Copy &Tape", ""},
                                   {"mnuPaste", "&Paste to Register", ""},
                                   {"mnuStats", "&Statistics", ""},
                                   {"mnuTrig", "&Trig Functions", ""},
                                   {"mnuLoans", "&Loan Calculator", ""},
                                   {"mnuOptionsCancel", "&Cancel Options", ""},
                                   {"mnuHelpOnOff", "&Help On", ""},
                                   {"mnuAbout", "&About", ""}};
    for (int i = 0; i < 10; ++i) {
        const QString name = QStringLiteral("Number(%1)").arg(i);
        QTest::newRow(qPrintable(name)) << "Calculator" << name << QString::number(i) << "" << -1;
    }
    for (const auto& row : main) {
        QTest::newRow(row[0]) << "Calculator" << row[0] << row[1] << row[2] << -1;
    }
    const char* const menus[][2] = {
        {"mnuFile", "&File"}, {"mnuEdit", "&Edit"}, {"mnuConfigure", "&Options"}, {"mnuOptions", "&Help"}};
    for (const auto& row : menus) {
        QTest::newRow(row[0]) << "Calculator" << row[0] << row[1] << "" << -1;
    }
    const char* const loan[][3] = {{"Calc", "&Calc", ""},
                                   {"cmdExit", "&Exit", ""},
                                   {"mnuPrintTable", "&Print Table", ""},
                                   {"mnuSaveTable", "&Save Table", ""},
                                   {"mnuExit", "E&xit", ""},
                                   {"PrincMenu", "&Principal Incr", ""},
                                   {"RateMenu", "&Rate Incr", ""}};
    for (const auto& row : loan) {
        QTest::newRow(qPrintable(QStringLiteral("loan ") + row[0]))
            << "LoanInpt" << row[0] << row[1] << row[2] << -1;
    }
    const char* const principal[] = {"$10", "$100", "$1,000", "$10,000", "$100,000"};
    const char* const rate[] = {"0.125%", "0.25%", "0.50%", "1.0%", "2.0%"};
    for (int i = 0; i < 5; ++i) {
        const QString p = QStringLiteral("PrincIncr(%1)").arg(i);
        const QString r = QStringLiteral("RateIncr(%1)").arg(i);
        QTest::newRow(qPrintable(p)) << "LoanInpt" << p << principal[i] << "" << int(i == 2);
        QTest::newRow(qPrintable(r)) << "LoanInpt" << r << rate[i] << "" << int(i == 2);
    }
}

// Captions, access keys, shortcuts and the checked increments are the program's own texts.
void CalculatorWindowTest::captions() {
    QFETCH(QString, window);
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, shortcut);
    QFETCH(int, checked);
    Rig rig;
    QObject* owner = &rig.window;
    if (window == QLatin1String("LoanInpt")) {
        QVERIFY(rig.trigger(QStringLiteral("mnuLoans")));
        owner = rig.window.loanWindow();
    }
    // The loan window is made on first use, so the main window's names are its own.
    QObject* found = owner->findChild<QObject*>(name);
    QVERIFY2(found, qPrintable(name));
    if (auto* b = qobject_cast<QAbstractButton*>(found)) {
        QCOMPARE(b->text(), caption);
    } else if (auto* m = qobject_cast<QMenu*>(found)) {
        QCOMPARE(m->title(), caption);
    } else {
        auto* a = qobject_cast<QAction*>(found);
        QVERIFY(a);
        QCOMPARE(a->text(), caption);
        QCOMPARE(a->shortcut().toString(), shortcut);
        QCOMPARE(a->isCheckable() ? int(a->isChecked()) : -1, checked);
    }
}

void CalculatorWindowTest::toolbarKeys() {
    Rig rig;
    auto* bar = rig.window.findChild<QToolBar*>(QStringLiteral("Toolbar1"));
    QVERIFY(bar);
    QStringList keys;
    for (QAction* a : bar->actions()) {
        if (!a->isSeparator()) {
            keys << a->objectName();
        }
    }
    QCOMPARE(keys, (QStringList{"Label", "Clear", "Print", "Select", "Copyreg", "Copytape", "Help", "Paste",
                                "Exit", "Loans", "Stats", "Trig"}));
    // The keys reach the same places as the menu: Copyreg copies the register, Exit closes.
    rig.window.show();
    rig.type(QStringLiteral("7"));
    QVERIFY(rig.trigger(QStringLiteral("Copyreg")));
    QCOMPARE(rig.clipboard.text(), QStringLiteral("7"));
    QVERIFY(rig.trigger(QStringLiteral("Clear")));
    QVERIFY(rig.trigger(QStringLiteral("Exit")));
    QVERIFY(!rig.window.isVisible());
}

// The keyboard of a user at the register: Ctrl+P prints the tape, Ctrl+C and Ctrl+V copy and
// paste the register, Backspace takes back a digit, Alt+F4 closes.
void CalculatorWindowTest::keyboard() {
    Rig rig;
    rig.window.show();
    QVERIFY(QTest::qWaitForWindowActive(&rig.window));
    QLineEdit* readout = rig.readout();
    QCOMPARE(QApplication::focusWidget(), readout);
    QTest::keyClicks(readout, QStringLiteral("12+30"));
    QTest::keyClick(readout, Qt::Key_Backspace);
    QTest::keyClicks(readout, QStringLiteral("="));
    QCOMPARE(rig.display(), QStringLiteral("15.00"));
    QTest::keyClick(readout, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(rig.clipboard.text(), QStringLiteral("15.00"));
    rig.clipboard.setText(QStringLiteral("2.5"));
    QTest::keyClick(readout, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(rig.display(), QStringLiteral("2.5"));
    QVERIFY(rig.click(QStringLiteral("SSCommand3")));
    QTest::keyClick(readout, Qt::Key_P, Qt::ControlModifier);
    QCOMPARE(rig.printer.pages().first(), rig.tape());
    QTest::keyClick(readout, Qt::Key_F4, Qt::AltModifier);
    QVERIFY(!rig.window.isVisible());
}

namespace {

// Presses Tab from the focused control until the named one has the focus.
bool tabTo(const QString& name) {
    for (int i = 0; i < 40; ++i) {
        QWidget* focus = QApplication::focusWidget();
        if (!focus || focus->objectName() == name) {
            return focus != nullptr;
        }
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    return false;
}

} // namespace

// A key claimed twice does nothing on the first press: every Alt key has one owner, Alt+E opens
// the Edit menu, and C&E is the Delete key.
void CalculatorWindowTest::accessKeysAreClaimedOnce() {
    Rig rig;
    QMap<QString, QStringList> owners;
    for (QAction* a : rig.window.menuBar()->actions()) {
        owners[QKeySequence::mnemonic(a->text()).toString()] << a->text();
    }
    for (auto* b : rig.window.findChildren<QAbstractButton*>()) {
        if (!b->shortcut().isEmpty()) {
            owners[b->shortcut().toString()] << b->objectName();
        }
    }
    for (auto it = owners.cbegin(); it != owners.cend(); ++it) {
        QVERIFY2(it.value().size() == 1, qPrintable(it.key() + QStringLiteral(": ") + it.value().join(u',')));
    }

    rig.window.show();
    QVERIFY(QTest::qWaitForWindowActive(&rig.window));
    rig.type(QStringLiteral("12+7"));
    auto* edit = rig.window.findChild<QMenu*>(QStringLiteral("mnuEdit"));
    QTest::keyClick(rig.readout(), Qt::Key_E, Qt::AltModifier);
    QTRY_VERIFY(edit->isVisible());
    QCOMPARE(rig.display(), QStringLiteral("7"));
    QTest::keyClick(edit, Qt::Key_Escape);
    QTRY_VERIFY(!edit->isVisible());
    rig.readout()->setFocus();
    QTest::keyClick(rig.readout(), Qt::Key_Delete);
    QCOMPARE(rig.display(), QString());
    QCOMPARE(lastEntryName(rig.window.engine().lastEntry()), "CE");
    rig.type(QStringLiteral("3="));
    QCOMPARE(rig.display(), QStringLiteral("15.00"));
    QVERIFY2(rig.prompter.clean(), qPrintable(rig.prompter.report()));
}

// Every key of the face is typed, has an access key or a shortcut, or is reached with Tab (menu
// items all have access keys); the tape lines and the statistics keys work without a mouse.
void CalculatorWindowTest::keyboardReachesEveryKey() {
    Rig rig;
    for (auto* b : rig.window.centralWidget()->findChildren<QAbstractButton*>()) {
        const QString caption = b->text() == QLatin1String("X^Y") ? QStringLiteral("^") : b->text();
        const bool typed = caption.size() == 1 && Engine::handlesKey(caption[0].toLatin1());
        QVERIFY2(typed || !b->shortcut().isEmpty() || (b->focusPolicy() & Qt::TabFocus),
                 qPrintable(b->objectName()));
    }

    rig.window.show();
    QVERIFY(QTest::qWaitForWindowActive(&rig.window));
    QVERIFY(rig.trigger(QStringLiteral("mnuStats")));
    rig.type(QStringLiteral("2+3=4^2="));
    QVERIFY(tabTo(QStringLiteral("List1")));
    QTest::keyClick(rig.list(), Qt::Key_Home);
    QTest::keyClick(rig.list(), Qt::Key_Down, Qt::ShiftModifier);
    QVERIFY(tabTo(QStringLiteral("SSCommand1")));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(rig.display(), QStringLiteral("5.00"));
    QCOMPARE(QApplication::focusWidget(), rig.readout());
    QVERIFY(tabTo(QStringLiteral("Command4")));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(rig.display(), QStringLiteral("0.20"));
    QVERIFY2(rig.prompter.clean(), qPrintable(rig.prompter.report()));
}

QTEST_MAIN(CalculatorWindowTest)
#include "CalculatorWindowTest.moc"
