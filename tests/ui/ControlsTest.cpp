#include "ui/Clipboard.h"
#include "ui/Printer.h"
#include "ui/SSCommand.h"
#include "ui/SSFrame.h"
#include "ui/SSPanel.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace ui;

class ControlsTest : public QObject {
    Q_OBJECT

private slots:
    void buttonArrayAndHints() {
        QWidget window;
        SSCommand yes("Command3D1", "&Yes", &window);
        SSCommand no("Command3D1", "&No", &window);
        yes.setIndex(0);
        no.setIndex(1);
        no.move(0, 40);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QList<int> clicked;
        for (SSCommand* b : {&yes, &no})
            connect(b, &SSCommand::clickedIndex, &window, [&](int i) { clicked << i; });
        QTest::mouseClick(&no, Qt::LeftButton);
        QTest::mouseClick(&yes, Qt::LeftButton);
        QCOMPARE(clicked, (QList<int>{1, 0}));

        QSignalSpy moved(&yes, &SSCommand::mouseMoved);
        QTest::mouseMove(&yes, QPoint(5, 5));
        QVERIFY(moved.count() >= 1);

        // A picture takes the caption's place; taking it away brings the caption back.
        QPixmap picture(16, 16);
        picture.fill(Qt::red);
        yes.setPicture(picture);
        QVERIFY(yes.text().isEmpty());
        QCOMPARE(yes.caption(), QStringLiteral("&Yes"));
        yes.setPicture(QPixmap());
        QCOMPARE(yes.text(), QStringLiteral("&Yes"));
    }

    void panelCaptionAndClick() {
        SSPanel panel("Panel3D1", "Click HERE to open a Ledgerine!");
        SSFrame frame("SSFrame1", "Delete Transactions", &panel);
        panel.resize(300, 120);
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        QSignalSpy clicks(&panel, &SSPanel::clicked);
        QTest::mouseClick(&panel, Qt::LeftButton, {}, QPoint(150, 100));
        QTest::mouseClick(&panel, Qt::RightButton, {}, QPoint(150, 100));
        QCOMPARE(clicks.count(), 1);
        panel.setCaption("Click HERE to create a new Ledgerine!");
        QCOMPARE(panel.caption(), QStringLiteral("Click HERE to create a new Ledgerine!"));
        QVERIFY(!panel.grab().isNull());
        panel.hide();
        QVERIFY(!frame.isVisible());
        QCOMPARE(frame.caption(), QStringLiteral("Delete Transactions"));
    }

    void recordingPrinterPages_data() {
        QTest::addColumn<QStringList>("script"); // "n" new page, anything else a line
        QTest::addColumn<QList<QStringList>>("pages");
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("line");
        QTest::newRow("fits one page") << QStringList{"a", "b"} << QList<QStringList>{{"a", "b"}} << 1 << 2;
        QTest::newRow("exactly full stays on page")
            << QStringList{"a", "b", "c"} << QList<QStringList>{{"a", "b", "c"}} << 1 << 3;
        QTest::newRow("overflow starts page 2")
            << QStringList{"a", "b", "c", "d"} << QList<QStringList>{{"a", "b", "c"}, {"d"}} << 2 << 1;
        QTest::newRow("explicit new page") << QStringList{"a", "n", "b"} << QList<QStringList>{{"a"}, {"b"}} << 2 << 1;
        QTest::newRow("new page when full is one break")
            << QStringList{"a", "b", "c", "n", "d"} << QList<QStringList>{{"a", "b", "c"}, {"d"}} << 2 << 1;
    }
    void recordingPrinterPages() {
        QFETCH(QStringList, script);
        QFETCH(QList<QStringList>, pages);
        QFETCH(int, page);
        QFETCH(int, line);
        RecordingPrinter printer(3);
        printer.setFont("Courier New", 9.75, true, false);
        for (const QString& step : script) {
            if (step == "n")
                printer.newPage();
            else
                printer.printLine(step);
        }
        QVERIFY(printer.endDoc());
        QCOMPARE(printer.pages(), pages);
        QCOMPARE(printer.page(), page);
        QCOMPARE(printer.currentLine(), line);
        QCOMPARE(printer.calls().first(), QStringLiteral("font Courier New 9.75 bold"));
        QCOMPARE(printer.calls().last(), QStringLiteral("endDoc"));
        QVERIFY(printer.ended());
    }

    void pdfPrinterBreaksPages() {
        QTemporaryDir dir;
        const QString pdf = dir.filePath("register.pdf");
        QtPrinter printer(QString(), pdf);
        printer.setFont("Courier New", 10, false, false);
        const int perPage = printer.linesPerPage();
        QVERIFY(perPage > 10);
        for (int i = 0; i <= perPage; ++i)
            printer.printLine(QStringLiteral("Line %1").arg(i));
        QCOMPARE(printer.page(), 2);
        QCOMPARE(printer.currentLine(), 1);
        QVERIFY(printer.endDoc());
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.read(5) == "%PDF-");
    }

    void pdfPrinterIntoMissingFolderFails() {
        QtPrinter printer(QString(), "/nonexistent-vx/dir/out.pdf");
        printer.printLine("x");
        QVERIFY(!printer.endDoc());
    }

    void clipboards() {
        MemoryClipboard memory;
        QtClipboard system;
        for (Clipboard* c : std::initializer_list<Clipboard*>{&memory, &system}) {
            c->setText("03/01/97\t00101\tRent\r04/01/97\t00102\tGas\r");
            QCOMPARE(c->text(), QStringLiteral("03/01/97\t00101\tRent\r04/01/97\t00102\tGas\r"));
            c->clear();
            QCOMPARE(c->text(), QString());
        }
    }
};

QTEST_MAIN(ControlsTest)
#include "ControlsTest.moc"
