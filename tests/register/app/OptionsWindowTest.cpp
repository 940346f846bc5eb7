// The Options menu's colours, font and defaults, the information and About windows, and the
// start-up search for the help file and the calculator, through the main window.
#include "AppHarness.h"
#include "AppTests.h"

#include "register/app/StartupChecks.h"
#include "register/app/frmAbout.h"
#include "register/app/frmInfo.h"
#include "ui/SSPanel.h"

#include <QDir>

using namespace apptest;

namespace {

const QString kFontTitle = QStringLiteral("Ledgerine Font Selection");

QFont font(const QString& family, double points, bool bold = false) {
    QFont f(family);
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

} // namespace

class OptionsWindowTest : public QObject {
    Q_OBJECT
private slots:
    void fonts_data();
    void fonts();
    void coloursReachBothListsAndTheSettingsFile();
    void restoreDefaultsUndoesEveryOption();
    void informationWithoutABook();
    void informationWithAnOverdrawnBook();
    void aboutShowsTheProgramsVersionRecord();
    void startupFindsHelpAlongThePathAndReportsTheMissingCalculator();
};

void OptionsWindowTest::fonts_data() {
    QTest::addColumn<std::optional<QFont>>("chosen");
    QTest::addColumn<int>("caution"); // 0: not asked, else the answer
    QTest::addColumn<bool>("noChangeBox");
    QTest::addColumn<QString>("fontAfter");
    QTest::addColumn<double>("sizeAfter");
    QTest::newRow("Courier New while current: only the message")
        << std::optional<QFont>(font("Courier New", 14)) << 0 << true << "Courier New" << 9.75;
    QTest::newRow("12 points applied without caution")
        << std::optional<QFont>(font("DejaVu Sans Mono", 12)) << 0 << false << "DejaVu Sans Mono" << 12.0;
    QTest::newRow("14 points asks, Yes applies")
        << std::optional<QFont>(font("DejaVu Sans Mono", 14)) << int(ui::vbYes) << false << "DejaVu Sans Mono" << 14.0;
    QTest::newRow("14 points asks, No keeps the font")
        << std::optional<QFont>(font("DejaVu Sans Mono", 14)) << int(ui::vbNo) << false << "Courier New" << 9.75;
    QTest::newRow("cancelled dialog changes nothing") << std::optional<QFont>() << 0 << false << "Courier New" << 9.75;
}

void OptionsWindowTest::fonts() {
    QFETCH(std::optional<QFont>, chosen);
    QFETCH(int, caution);
    QFETCH(bool, noChangeBox);
    QFETCH(QString, fontAfter);
    QFETCH(double, sizeAfter);
    Harness h;
    h.prompter.expectFont(chosen);
    if (noChangeBox)
        h.prompter.expectMsgBox(kFontTitle,
                                QStringLiteral("Default font 'Courier New' currently selected!\nNo changes are necessary."),
                                kOkExcl, ui::vbOK);
    if (caution != 0)
        h.prompter.expectMsgBox(kFontTitle,
                                QStringLiteral("CAUTION\nYou have selected a font size which may cause\nalignment problems "
                                               "in the list boxes!\n\nCONTINUE?"),
                                ui::vbYesNo + ui::vbExclamation, caution);
    QVERIFY(h.action("mnuCustFonts")->isEnabled());
    h.action("mnuCustFonts")->trigger();
    VERIFY_DIALOGUE(h);
    QCOMPARE(QString::fromStdString(h.window->settings().fontName), fontAfter);
    QCOMPARE(h.window->settings().fontSize, sizeAfter);
    QCOMPARE(h.list("lstChqList")->fontName(), fontAfter);
    QCOMPARE(h.list("lstDupList")->fontName(), fontAfter);
    QCOMPARE(h.panel("lblTips")->caption(), QString()); // the tip is gone once the lists are rebuilt
}

void OptionsWindowTest::coloursReachBothListsAndTheSettingsFile() {
    Harness h;
    h.prompter.expectColor(QColor(255, 0, 0));
    h.action("mnuTextColor")->trigger();
    h.prompter.expectColor(std::nullopt); // cancelled: the background stays
    h.action("mnuBackColor")->trigger();
    VERIFY_DIALOGUE(h);
    QCOMPARE(h.list("lstChqList")->foreColor(), QColor(255, 0, 0));
    QCOMPARE(h.list("lstDupList")->foreColor(), QColor(255, 0, 0));
    h.prompter.expectMsgBox(kApp, QStringLiteral("Exit Ledgerine?"), kYesNoQ, ui::vbYes);
    QVERIFY(h.window->exitLedgerine());
    const QByteArray ini = h.readFile(QStringLiteral("ledgrn95.ini"));
    QVERIFY2(ini.contains("TextColor=255\r\n") || ini.contains("TextColor=255\n"), ini.constData());
    QVERIFY2(ini.contains("BackColor=16777152"), ini.constData());
}

void OptionsWindowTest::restoreDefaultsUndoesEveryOption() {
    Harness h(QByteArray("[Ledgrn]\nMessages=0\nFormHeight=4500\nFormWidth=6000\nTextColor=255\nBackColor=0\n"
                         "FontName=DejaVu Sans Mono\nFontSize=14\nFontBold=0\nFontItalic=-1\n"));
    QCOMPARE(h.action("mnuShowMsg")->text(), QStringLiteral("Show &Messages"));
    QVERIFY(h.window->size() != QSize(900, 540));
    h.action("mnuRestoreDefaults")->trigger();
    VERIFY_DIALOGUE(h); // restoring asks nothing
    QCOMPARE(h.action("mnuShowMsg")->text(), QStringLiteral("Hide &Messages"));
    QVERIFY(h.window->messagesShown());
    QCOMPARE(h.window->size(), QSize(900, 540));
    QCOMPARE(h.list("lstChqList")->fontName(), QStringLiteral("Courier New"));
    QCOMPARE(h.list("lstChqList")->foreColor(), QColor(0, 0, 192));
    QCOMPARE(h.list("lstDupList")->backColor(), QColor(192, 255, 255));
    QCOMPARE(h.panel("lblTips")->caption(), QString());
}

// The texts and the balance colour of the information window, as it opens.
QStringList infoShown(Harness& h) {
    QStringList shown;
    h.prompter.expectModal(QStringLiteral("frmInfo"), [&shown](QDialog& d) {
        auto& info = static_cast<ledger::frmInfo&>(d);
        shown << info.windowTitle() << info.lblFileName->text() << info.lblTitle->text() << info.lblCBfile->text()
              << info.lblNoCBEntries->text() << info.lblBalance->text() << info.lblItems->text().trimmed()
              << info.lblBalance->palette().color(QPalette::WindowText).name() << info.PanelStartBudget->caption()
              << info.PanelEndBudget->caption();
        info.Command3D1->click();
        return info.result();
    });
    h.action("mnuInfo")->trigger();
    return shown;
}

void OptionsWindowTest::informationWithoutABook() {
    Harness h;
    const QStringList shown = infoShown(h);
    VERIFY_DIALOGUE(h);
    QCOMPARE(shown.mid(0, 5), (QStringList{QStringLiteral("Ledgerine Information"),
                                           QStringLiteral("No Ledgerine file is open!"), QStringLiteral("----------"),
                                           QStringLiteral("No Budget/Code file is available!"), QStringLiteral("0")}));
}

void OptionsWindowTest::informationWithAnOverdrawnBook() {
    Harness h;
    ledger::ChequeBook b = sampleBook("  Overdrawn  ");
    b.items.push_back(ledger::makeItem(runtime::oleFromCivil(2026, 11, 5), 102, "Car", -runtime::Currency::fromUnits(2000),
                                       "CAR", ' '));
    b.period.start = runtime::oleFromCivil(2026, 1, 1);
    b.period.end = runtime::oleFromCivil(2026, 12, 31);
    writeBook(h.path("a.lgn"), b);
    h.prompter.expectOpenFile(chosen(h.path("a.lgn")));
    h.session().openFromDialog();
    h.prompter.reset();
    const QStringList shown = infoShown(h);
    VERIFY_DIALOGUE(h);
    QCOMPARE(shown.mid(1), (QStringList{h.path("a.lgn"), QStringLiteral("Overdrawn"),
                                        QStringLiteral("No Budget/Code file is available!"), QStringLiteral("0"),
                                        QStringLiteral("($749.75)"), QStringLiteral("4"), QStringLiteral("#ff0000"),
                                        QStringLiteral("01/01/2026"), QStringLiteral("12/31/2026")}));
}

void OptionsWindowTest::aboutShowsTheProgramsVersionRecord() {
    ledger::frmAbout about(binDir() + QStringLiteral("/ledgrn32"));
    QVERIFY2(about.lblAbout->text().startsWith(QStringLiteral("Ledgerine 95\n")), qPrintable(about.lblAbout->text()));
    QVERIFY2(about.lblAbout->text().endsWith(QStringLiteral("Version 5.00.00.00")), qPrintable(about.lblAbout->text()));
    QVERIFY(!about.imgAbout->pixmap().isNull());
    // A file without a record (this test program) still names the program, without a version.
    ledger::frmAbout bare(QCoreApplication::applicationFilePath());
    QVERIFY(!bare.lblAbout->text().contains(QStringLiteral("Version")));
}

void OptionsWindowTest::startupFindsHelpAlongThePathAndReportsTheMissingCalculator() {
    QTemporaryDir program;
    QTemporaryDir first;
    QTemporaryDir second;
    QFile help(second.filePath(QStringLiteral("ledgrn32.hlp")));
    QVERIFY(help.open(QIODevice::WriteOnly));
    help.close();
    ScriptedPrompter prompter;
    const QString missing = QStringLiteral("Abacon32.exe");
    Harness::expectCodesNotInPath(prompter, missing);
    const std::string path = first.path().toStdString() + ":" + second.path().toStdString();
    const ledger::LocatedFiles located = ledger::locateStartupFiles(prompter, program.path().toStdString(), path);
    QVERIFY2(prompter.clean(), qPrintable(prompter.report()));
    QCOMPARE(prompter.beepCount(), 1);
    QCOMPARE(located.helpFile, second.filePath(QStringLiteral("ledgrn32.hlp")));
    QCOMPARE(located.calculator, QString());
}

int runOptionsWindowTest(int argc, char** argv) {
    OptionsWindowTest t;
    return QTest::qExec(&t, argc, argv);
}

#include "OptionsWindowTest.moc"
