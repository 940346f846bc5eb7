#include "ui/Vx3dList.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QSignalSpy>
#include <QTest>
#include <QTreeView>

using ui::Vx3dList;

namespace {

const QStringList kRegisterColumns{"Date", "Chq #", "Particulars", "Deposit", "Withdraw", "Code", "Balance"};

QPoint rowCentre(const Vx3dList& list, int row) {
    return list.view()->visualRect(list.view()->model()->index(row, 1)).center();
}

QString shown(const Vx3dList& list, int row, int column) {
    return list.view()->model()->data(list.view()->model()->index(row, column)).toString();
}

} // namespace

class Vx3dListTest : public QObject {
    Q_OBJECT

private slots:
    void fields_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("all seven") << "  03/01/97\t00101\tRent\t\t450.00\tRENT\t1,050.00"
                                   << QStringList{"  03/01/97", "00101", "Rent", "", "450.00", "RENT", "1,050.00"};
        QTest::newRow("fewer fields leave columns empty")
            << "01\t00000\tSalary" << QStringList{"01", "00000", "Salary", "", "", "", ""};
        QTest::newRow("extra fields are not shown")
            << "a\tb\tc\td\te\tf\tg\th" << QStringList{"a", "b", "c", "d", "e", "f", "g"};
        QTest::newRow("blanks kept") << " \t \t\t" << QStringList{" ", " ", "", "", "", "", ""};
        QTest::newRow("empty line") << "" << QStringList{"", "", "", "", "", "", ""};
    }
    void fields() {
        QFETCH(QString, line);
        QFETCH(QStringList, expected);
        Vx3dList list("lstChqList", kRegisterColumns);
        list.AddItem("first");
        list.AddItem(line);
        QCOMPARE(list.ListCount(), 2);
        QCOMPARE(list.List(1), line);
        for (int c = 0; c < expected.size(); ++c) {
            QCOMPARE(list.field(1, c), expected.at(c));
            QCOMPARE(shown(list, 1, c), expected.at(c));
        }
        for (int c = 0; c < kRegisterColumns.size(); ++c)
            QCOMPARE(list.view()->model()->headerData(c, Qt::Horizontal).toString(), kRegisterColumns.at(c));
        QCOMPARE(list.List(2), QString());
        QCOMPARE(list.List(-1), QString());
    }

    void listIndexSingleSelection() {
        Vx3dList list("lstDupList", {"Day No.", "Chq #"});
        QCOMPARE(list.ListIndex(), -1);
        for (int i = 0; i < 5; ++i)
            list.AddItem(QString::number(i));
        QCOMPARE(list.ListIndex(), -1);
        list.setListIndex(2);
        QCOMPARE(list.ListIndex(), 2);
        QVERIFY(list.Selected(2));
        list.setListIndex(4);
        QVERIFY(!list.Selected(2));
        QCOMPARE(list.SelCount(), 1);
        QVERIFY(list.view()->selectionModel()->isRowSelected(4, {}));
        list.setListIndex(5); // out of range: ignored
        QCOMPARE(list.ListIndex(), 4);
        list.setListIndex(-1);
        QCOMPARE(list.ListIndex(), -1);
        QCOMPARE(list.SelCount(), 0);
        list.Clear();
        QCOMPARE(list.ListCount(), 0);
        QCOMPARE(list.ListIndex(), -1);
    }

    void multipleSelectionByProgramAndUser() {
        Vx3dList list("lstChqList", kRegisterColumns);
        list.setMultiSelect(true);
        for (int i = 0; i < 6; ++i)
            list.AddItem(QStringLiteral("line%1\tx").arg(i));
        list.resize(500, 300);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        QSignalSpy clicks(&list, &Vx3dList::click);

        list.setSelected(0, true);
        list.setSelected(2, true);
        list.setListIndex(1); // moves the current line only
        QCOMPARE(list.selectedLines(), (std::vector<int>{0, 2}));
        QCOMPARE(list.ListIndex(), 1);
        QCOMPARE(clicks.count(), 0);

        QTest::mouseClick(list.view()->viewport(), Qt::LeftButton, Qt::ControlModifier, rowCentre(list, 4));
        QCOMPARE(list.selectedLines(), (std::vector<int>{0, 2, 4}));
        QCOMPARE(list.ListIndex(), 4);
        QCOMPARE(clicks.count(), 1);

        QTest::mouseClick(list.view()->viewport(), Qt::LeftButton, Qt::ControlModifier, rowCentre(list, 2));
        QCOMPARE(list.selectedLines(), (std::vector<int>{0, 4}));
        QCOMPARE(list.ListIndex(), 2); // the current line follows the pointer even when it deselects

        // The right button reports where it went down but leaves the selection for the pop-up menu.
        QSignalSpy downs(&list, &Vx3dList::mouseDown);
        QSignalSpy ups(&list, &Vx3dList::mouseUp);
        QTest::mouseClick(list.view()->viewport(), Qt::RightButton, {}, rowCentre(list, 5));
        QCOMPARE(downs.count(), 1);
        QCOMPARE(downs.at(0).at(0).value<Qt::MouseButton>(), Qt::RightButton);
        QCOMPARE(ups.count(), 1);
        QCOMPARE(list.selectedLines(), (std::vector<int>{0, 4}));
        QCOMPARE(list.ListIndex(), 2);

        QTest::mouseClick(list.view()->viewport(), Qt::LeftButton, {}, rowCentre(list, 3));
        QCOMPARE(list.selectedLines(), (std::vector<int>{3}));
        QCOMPARE(list.ListIndex(), 3);

        // Clicking the current line again is still a click.
        const int before = static_cast<int>(clicks.count());
        QTest::mouseClick(list.view()->viewport(), Qt::LeftButton, {}, rowCentre(list, 3));
        QCOMPARE(clicks.count(), before + 1);

        list.selectOnly(5);
        QCOMPARE(list.selectedLines(), (std::vector<int>{5}));
        QCOMPARE(list.ListIndex(), 5);
        QVERIFY(list.view()->selectionModel()->isRowSelected(5, {}));
        QVERIFY(!list.view()->selectionModel()->isRowSelected(3, {}));
    }

    void doubleClickAndKeys() {
        Vx3dList list("lstChqList", kRegisterColumns);
        list.AddItem("a\tb");
        list.AddItem("c\td");
        list.resize(400, 200);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        QSignalSpy dbl(&list, &Vx3dList::dblClick);
        QSignalSpy keys(&list, &Vx3dList::keyPress);
        // A real double click: a click, then the second press arrives as a double click.
        QTest::mouseClick(list.view()->viewport(), Qt::LeftButton, {}, rowCentre(list, 1));
        QTest::mouseDClick(list.view()->viewport(), Qt::LeftButton, {}, rowCentre(list, 1));
        QCOMPARE(dbl.count(), 1);
        QCOMPARE(list.ListIndex(), 1);
        list.SetFocus();
        QTest::keyClick(list.view(), Qt::Key_Space);
        QTest::keyClick(list.view(), Qt::Key_Up);
        QCOMPARE(keys.count(), 2);
        QCOMPARE(keys.at(0).at(0).toInt(), int(Qt::Key_Space));
        QCOMPARE(list.ListIndex(), 0); // the arrow key moved the current line
    }

    void refillWithRedrawOffDoesNoViewWork() {
        Vx3dList list("lstChqList", kRegisterColumns);
        list.setMultiSelect(true);
        for (int i = 0; i < 10; ++i)
            list.AddItem(QStringLiteral("old%1").arg(i));
        list.setSelected(8, true);
        list.setListIndex(8);
        QAbstractItemModel* model = list.view()->model();
        QSignalSpy inserted(model, &QAbstractItemModel::rowsInserted);
        QSignalSpy resets(model, &QAbstractItemModel::modelReset);

        list.setRedraw(false);
        list.Clear();
        for (int i = 0; i < 1000; ++i)
            list.AddItem(QStringLiteral("new%1\t%2").arg(i).arg(i * 2));
        list.setSelected(500, true);
        list.setSelected(501, true);
        QCOMPARE(inserted.count(), 0);
        QCOMPARE(resets.count(), 0);
        QCOMPARE(model->rowCount(), 10);              // the view still sees the old rows...
        QCOMPARE(model->data(model->index(8, 0)), QVariant(QStringLiteral("new8"))); // ...safely
        QCOMPARE(list.ListCount(), 1000);
        QCOMPARE(list.List(999), QStringLiteral("new999\t1998"));
        QCOMPARE(list.ListIndex(), -1);
        QCOMPARE(list.SelCount(), 2);

        list.setRedraw(true);
        QCOMPARE(resets.count(), 1);
        QCOMPARE(inserted.count(), 0);
        QCOMPARE(model->rowCount(), 1000);
        QCOMPARE(shown(list, 999, 1), QStringLiteral("1998"));
        QVERIFY(list.view()->selectionModel()->isRowSelected(500, {}));
        QVERIFY(list.view()->selectionModel()->isRowSelected(501, {}));
        QVERIFY(!list.view()->selectionModel()->isRowSelected(8, {}));
        QVERIFY(list.view()->updatesEnabled());
    }

    void shrinkingRefillWhileSuspended() {
        Vx3dList list("lstChqList", kRegisterColumns);
        for (int i = 0; i < 10; ++i)
            list.AddItem(QString::number(i));
        list.resize(400, 300);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        list.setListIndex(9);
        list.setRedraw(false);
        list.Clear();
        list.AddItem("only");
        QCOMPARE(list.view()->model()->data(list.view()->model()->index(9, 0)), QVariant()); // gone, no crash
        list.view()->grab();
        list.setRedraw(true);
        QCOMPARE(list.view()->model()->rowCount(), 1);
        QCOMPARE(list.ListIndex(), -1);
        QVERIFY(!list.view()->selectionModel()->hasSelection());
    }

    void rewriteLineInPlace() {
        Vx3dList list("lstChqList", kRegisterColumns);
        list.AddItem(" \t03/01/97\tRent");
        QSignalSpy changed(list.view()->model(), &QAbstractItemModel::dataChanged);
        list.setList(0, "c\t03/01/97\tRent");
        QCOMPARE(changed.count(), 1);
        QCOMPARE(shown(list, 0, 0), QStringLiteral("c"));
        list.setList(3, "ignored");
        QCOMPARE(list.ListCount(), 1);
    }

    void fontAndColours() {
        Vx3dList list("lstChqList", kRegisterColumns);
        list.setFontName("Courier New");
        list.setFontSize(9.75);
        list.setFontBold(true);
        list.setFontItalic(false);
        list.setForeColor(QColor(0, 0, 128));
        list.setBackColor(QColor(255, 255, 192));
        QCOMPARE(list.fontName(), QStringLiteral("Courier New"));
        QCOMPARE(list.fontSize(), 9.75);
        QVERIFY(list.fontBold());
        QVERIFY(!list.fontItalic());
        QCOMPARE(list.view()->palette().color(QPalette::Text), QColor(0, 0, 128));
        QCOMPARE(list.view()->palette().color(QPalette::Base), QColor(255, 255, 192));
        list.setFontSize(0); // not a size: ignored
        QCOMPARE(list.fontSize(), 9.75);
    }
};

QTEST_MAIN(Vx3dListTest)
#include "Vx3dListTest.moc"
