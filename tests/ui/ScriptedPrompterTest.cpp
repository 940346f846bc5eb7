#include "ui/QtPrompter.h"
#include "ui/ScriptedPrompter.h"

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

using namespace ui;

namespace {

// A small search window: OK looks the text up and complains through the prompter when absent.
class SearchDialog : public QDialog {
public:
    SearchDialog(Prompter& prompter) {
        setObjectName("frmSearch");
        setWindowTitle("Search Particulars");
        auto* layout = new QVBoxLayout(this);
        text = new QLineEdit(this);
        text->setObjectName("Text1");
        auto* search = new QPushButton("&Search", this);
        search->setObjectName("Command3D1");
        layout->addWidget(text);
        layout->addWidget(search);
        connect(search, &QPushButton::clicked, this, [this, &prompter] {
            if (text->text() != "Rent")
                prompter.msgBox("Item not Found!", vbOKOnly, "Search");
            else
                accept();
        });
    }
    QLineEdit* text;
};

// Notes how many boxes had been shown when each beep came, so a test sees the beep's place.
class BeepOrderPrompter : public ScriptedPrompter {
public:
    void beep() override {
        beepsAt.push_back(transcript().size());
        ScriptedPrompter::beep();
    }
    std::vector<std::size_t> beepsAt;
};

enum Scenario { Extra, Missing, WrongText, WrongTitle, WrongStyle, WrongKind, AnswerNotAButton, WrongWindow };

} // namespace

Q_DECLARE_METATYPE(Scenario)

class ScriptedPrompterTest : public QObject {
    Q_OBJECT

private slots:
    void expectedDialoguePasses() {
        ScriptedPrompter p;
        FileDialogResult chosen{"/home/u/books/Home.lgn", "Home.lgn", 1};
        p.expectMsgBox("Ledgerine 95", "Exit Ledgerine?", vbYesNo + vbQuestion, vbNo)
            .expectInput("PassWord", "Enter PassWord", QString("ab1"))
            .expectOpenFile(chosen)
            .expectSaveFile(std::nullopt)
            .expectColor(QColor(255, 0, 0))
            .expectFont(std::nullopt)
            .expectPrint(PrintDialogResult{PrintRange::Pages, 2, 3, 1, {}, {}});

        QCOMPARE(p.msgBox("Exit Ledgerine?", vbYesNo + vbQuestion, "Ledgerine 95"), vbNo);
        QCOMPARE(p.inputBox("Enter PassWord", "PassWord", ""), std::optional<QString>("ab1"));
        FileDialogOptions open;
        open.title = "Open File";
        open.filter = "LGN Files (*.lgn)|*.lgn|All Files (*.*)|*.*";
        open.defaultExt = "lgn";
        open.fileMustExist = true;
        const auto opened = p.openFile(open);
        QVERIFY(opened.has_value());
        QCOMPARE(opened->path, chosen.path);
        QVERIFY(!p.saveFile(FileDialogOptions{}).has_value());
        QCOMPARE(p.chooseColor(Qt::black, "Text Color"), std::optional<QColor>(QColor(255, 0, 0)));
        QVERIFY(!p.chooseFont(QFont("Courier New")).has_value());
        const auto print = p.printDialog(PrintDialogOptions{1, 9, 1, 9, 1, true});
        QVERIFY(print.has_value());
        QCOMPARE(print->fromPage, 2);
        p.beep();

        QVERIFY2(p.clean(), qPrintable(p.report()));
        QCOMPARE(p.beepCount(), 1);
        const auto& t = p.transcript();
        QCOMPARE(t.size(), std::size_t(7));
        QCOMPARE(t[0].title, QStringLiteral("Ledgerine 95"));
        QCOMPARE(t[0].buttons, vbYesNo);
        QCOMPARE(t[0].icon, vbQuestion);
        QCOMPARE(t[2].fileOptions.filter, open.filter);
        QVERIFY(t[2].fileOptions.fileMustExist);
        QCOMPARE(t[4].initialColor, QColor(Qt::black));
        QCOMPARE(t[6].printOptions.maxPage, 9);
        QCOMPARE(ScriptedPrompter::describe(t[0]),
                 QStringLiteral("msgBox title \"Ledgerine 95\" text \"Exit Ledgerine?\" [Yes/No + Question] -> No"));
    }

    void faultsAreReported_data() {
        QTest::addColumn<Scenario>("scenario");
        QTest::addColumn<QString>("reportSays");
        QTest::addColumn<int>("answer");
        QTest::newRow("extra prompt") << Extra << "unexpected msgBox title \"Ledgerine 95\" text \"Second?\"" << vbNo;
        QTest::newRow("missing prompt") << Missing << "missing msgBox title \"Open File\" text \"Close without saving?\""
                                        << vbYes;
        QTest::newRow("other text") << WrongText << "mismatched msgBox: got title \"Ledgerine 95\" text \"Exit?\"" << vbNo;
        QTest::newRow("other title") << WrongTitle << "expected title \"Ledgerine 95\"" << vbNo;
        QTest::newRow("other style") << WrongStyle << "[Yes/No + Exclamation], expected" << vbNo;
        QTest::newRow("other kind") << WrongKind << "unexpected inputBox title \"Search\" prompt \"Find\" (expected msgBox next)"
                                    << vbYes;
        QTest::newRow("answer not a button") << AnswerNotAButton << "Retry is not a button of Yes/No" << vbNo;
        QTest::newRow("other window") << WrongWindow << "got window \"frmSearch\", expected \"frmChqUP\""
                                      << int(QDialog::Rejected);
    }
    void faultsAreReported() {
        QFETCH(Scenario, scenario);
        QFETCH(QString, reportSays);
        QFETCH(int, answer);
        ScriptedPrompter p;
        const int yesNo = vbYesNo + vbQuestion;
        int got = 0;
        switch (scenario) {
        case Extra:
            p.expectMsgBox("Ledgerine 95", "First?", yesNo, vbYes);
            QCOMPARE(p.msgBox("First?", yesNo, "Ledgerine 95"), vbYes);
            got = p.msgBox("Second?", yesNo, "Ledgerine 95");
            break;
        case Missing:
            p.expectMsgBox("Open File", "Check Book File Currently Open. Save It?", yesNo, vbYes)
                .expectMsgBox("Open File", "Close without saving?", yesNo, vbYes);
            got = p.msgBox("Check Book File Currently Open. Save It?", yesNo, "Open File");
            break;
        case WrongText:
            p.expectMsgBox("Ledgerine 95", "Exit Ledgerine?", yesNo, vbYes);
            got = p.msgBox("Exit?", yesNo, "Ledgerine 95");
            break;
        case WrongTitle:
            p.expectMsgBox("Ledgerine 95", "Exit Ledgerine?", yesNo, vbYes);
            got = p.msgBox("Exit Ledgerine?", yesNo, "Ledgerine");
            break;
        case WrongStyle:
            p.expectMsgBox("Ledgerine 95", "Exit Ledgerine?", yesNo, vbYes);
            got = p.msgBox("Exit Ledgerine?", vbYesNo + vbExclamation, "Ledgerine 95");
            break;
        case WrongKind:
            p.expectMsgBox("Search", "Item not Found!", vbOKOnly, vbOK);
            QVERIFY(!p.inputBox("Find", "Search").has_value());
            // The box still expected next is answered as queued.
            got = p.msgBox("Item not Found!", vbOKOnly, "Search") == vbOK ? vbYes : 0;
            break;
        case AnswerNotAButton:
            p.expectMsgBox("Ledgerine 95", "Exit Ledgerine?", yesNo, vbRetry);
            got = p.msgBox("Exit Ledgerine?", yesNo, "Ledgerine 95");
            break;
        case WrongWindow: {
            bool ran = false;
            p.expectModal("frmChqUP", [&](QDialog&) {
                ran = true;
                return int(QDialog::Accepted);
            });
            SearchDialog dialog(p);
            got = p.runModal(dialog);
            QVERIFY(!ran);
            break;
        }
        }
        QCOMPARE(got, answer);
        QVERIFY(!p.clean());
        QVERIFY2(p.report().contains(reportSays), qPrintable(p.report()));
    }

    void unexpectedBoxGetsSafeAnswer_data() {
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("answer");
        QTest::newRow("OK only") << int(vbOKOnly + vbCritical) << vbOK;
        QTest::newRow("OK/Cancel") << vbOKCancel << vbCancel;
        QTest::newRow("Abort/Retry/Ignore") << vbAbortRetryIgnore << vbAbort;
        QTest::newRow("Yes/No/Cancel") << vbYesNoCancel << vbCancel;
        QTest::newRow("Yes/No") << int(vbYesNo + vbQuestion + vbDefaultButton2) << vbNo;
        QTest::newRow("Retry/Cancel") << vbRetryCancel << vbCancel;
    }
    void unexpectedBoxGetsSafeAnswer() {
        QFETCH(int, style);
        QFETCH(int, answer);
        ScriptedPrompter p;
        QCOMPARE(p.msgBox("Disk full", style, "Disk Error"), answer);
        QCOMPARE(p.failures().size(), 1);
        QVERIFY(!p.openFile({}).has_value());
        QCOMPARE(p.runModal(*std::make_unique<QDialog>()), int(QDialog::Rejected));
        QCOMPARE(p.failures().size(), 3);
    }

    // A core's box reaches the prompter as it was made: UTF-8 text (a CR left for the box to
    // break on), title, the whole style, and a beep before it only when asked.
    void coreMessageIsShown_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("title");
        QTest::addColumn<int>("style");
        QTest::addColumn<bool>("beep");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("shownText");
        QTest::addColumn<QString>("shownTitle");
        QTest::newRow("critical after a beep, CR kept")
            << QByteArray("Can't divide\rby zero") << QByteArray("Abacon") << int(vbOKOnly + vbCritical)
            << true << vbOK << QStringLiteral("Can't divide\rby zero") << QStringLiteral("Abacon");
        QTest::newRow("question without beep, accents kept")
            << QByteArray("Caf\xC3\xA9.csv Not Found! Continue?") << QByteArray("Ledgerine Error")
            << int(vbYesNo + vbExclamation) << false << vbNo << QStringLiteral("Café.csv Not Found! Continue?")
            << QStringLiteral("Ledgerine Error");
        QTest::newRow("default button kept")
            << QByteArray("Disk is full. Continue?") << QByteArray("Disk \xE2\x82\xAC")
            << int(vbYesNoCancel + vbQuestion + vbDefaultButton2) << false << vbCancel
            << QStringLiteral("Disk is full. Continue?") << QStringLiteral("Disk €");
    }
    void coreMessageIsShown() {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, title);
        QFETCH(int, style);
        QFETCH(bool, beep);
        QFETCH(int, answer);
        QFETCH(QString, shownText);
        QFETCH(QString, shownTitle);
        BeepOrderPrompter p;
        p.expectMsgBox(shownTitle, shownText, style, answer);
        const runtime::Message message{text.toStdString(), title.toStdString(), style, beep};
        QCOMPARE(ui::show(p, message), answer);
        QVERIFY2(p.clean(), qPrintable(p.report()));
        QCOMPARE(p.beepsAt, beep ? std::vector<std::size_t>{0} : std::vector<std::size_t>{});
    }

    void modalScriptDrivesWindowAndItsPrompts() {
        ScriptedPrompter p;
        p.expectModal("frmSearch",
                      [](QDialog& d) {
                          auto* text = d.findChild<QLineEdit*>("Text1");
                          auto* search = d.findChild<QPushButton*>("Command3D1");
                          text->setText("Gas");
                          search->click(); // not found: a box, the window stays
                          if (!d.isVisible())
                              return -1;
                          text->setText("Rent");
                          search->click(); // found: the window accepts itself
                          return -2;       // ignored, the window is closed already
                      })
            .expectMsgBox("Search", "Item not Found!", vbOKOnly, vbOK)
            .expectModal("frmSearch", [](QDialog& d) {
                d.findChild<QLineEdit*>("Text1")->setText("Gas");
                return 7; // left open: closed with this code
            });
        SearchDialog first(p);
        QCOMPARE(p.runModal(first), int(QDialog::Accepted));
        QVERIFY(!first.isVisible());
        SearchDialog second(p);
        QCOMPARE(p.runModal(second), 7);
        QVERIFY(!second.isVisible());
        QVERIFY2(p.clean(), qPrintable(p.report()));
        QCOMPARE(p.transcript().size(), std::size_t(3));
        QCOMPARE(p.transcript()[0].kind, ScriptedPrompter::Kind::Modal);
        QCOMPARE(p.transcript()[0].answer, QStringLiteral("1"));
        QCOMPARE(p.transcript()[1].text, QStringLiteral("Item not Found!"));
    }

    void commonDialogFilters_data() {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QStringList>("qt");
        QTest::newRow("cheque books") << "LGN Files (*.lgn)|*.lgn|All Files (*.*)|*.*"
                                      << QStringList{"LGN Files (*.lgn)", "All Files (*)"};
        QTest::newRow("description without patterns") << "Text Files|*.txt"
                                                        << QStringList{"Text Files (*.txt)"};
        QTest::newRow("several patterns") << "Data (*.csv;*.txt)|*.csv;*.txt"
                                          << QStringList{"Data (*.csv *.txt)"};
        QTest::newRow("trailing bar") << "CSV Files (*.csv)|*.csv|" << QStringList{"CSV Files (*.csv)"};
        QTest::newRow("dangling description") << "Odd" << QStringList{"Odd (*)"};
        QTest::newRow("empty") << "" << QStringList{};
    }
    void commonDialogFilters() {
        QFETCH(QString, filter);
        QFETCH(QStringList, qt);
        QCOMPARE(qtNameFilters(filter), qt);
    }

    void defaultExtension_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("ext");
        QTest::addColumn<QString>("expected");
        QTest::newRow("appended") << "/h/Home" << "lgn" << "/h/Home.lgn";
        QTest::newRow("dot in ext") << "/h/Home" << ".lgn" << "/h/Home.lgn";
        QTest::newRow("own extension kept") << "/h/Home.txt" << "lgn" << "/h/Home.txt";
        QTest::newRow("dot in folder only") << "/h/my.books/Home" << "lgn" << "/h/my.books/Home.lgn";
        QTest::newRow("no default") << "/h/Home" << "" << "/h/Home";
    }
    void defaultExtension() {
        QFETCH(QString, path);
        QFETCH(QString, ext);
        QFETCH(QString, expected);
        QCOMPARE(withDefaultExtension(path, ext), expected);
    }
};

QTEST_MAIN(ScriptedPrompterTest)
#include "ScriptedPrompterTest.moc"
