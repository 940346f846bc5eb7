#include "ui/Vx3dList.h"

#include <QAccessible>
#include <QApplication>
#include <QHeaderView>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <QTableView>

#include <algorithm>
#include <memory>

using ui::Vx3dList;

namespace {

const QStringList kRegisterColumns{"Date", "Chq #", "Particulars", "Deposit", "Withdraw", "Code", "Balance"};

QPoint rowCentre(const Vx3dList& list, int row) {
    return list.view()->visualRect(list.view()->model()->index(row, 1)).center();
}

// Whether the row is painted as selected: the left edge of its first cell, before the text, is in
// the highlight colour.
bool paintedSelected(Vx3dList& list, int row) {
    if (!list.isVisible()) {
        list.show();
        if (!QTest::qWaitForWindowExposed(&list))
            return false;
    }
    QTableView* view = list.view();
    view->scrollTo(view->model()->index(row, 0));
    QApplication::processEvents(); // lets the view lay its rows out
    const QRect cell = view->visualRect(view->model()->index(row, 0));
    const QImage image = view->viewport()->grab().toImage();
    const QColor colour = image.pixelColor(cell.left() + 1, cell.center().y());
    // The style shades the current line a little.
    const auto near = [&colour](const QColor& highlight) {
        return std::abs(colour.redF() - highlight.redF()) + std::abs(colour.greenF() - highlight.greenF()) +
                   std::abs(colour.blueF() - highlight.blueF()) < 0.1;
    };
    return near(view->palette().color(QPalette::Active, QPalette::Highlight)) ||
           near(view->palette().color(QPalette::Inactive, QPalette::Highlight));
}

// Runs steps such as "click 3", "shift+click 5", "ctrl+key Down", "key Space", "drag 2 4" on a shown
// list.
void perform(Vx3dList& list, const QStringList& steps) {
    QWidget* viewport = list.view()->viewport();
    for (const QString& step : steps) {
        const QStringList words = step.split(QLatin1Char(' '));
        Qt::KeyboardModifiers modifiers;
        if (words.at(0).contains(QLatin1String("shift+")))
            modifiers |= Qt::ShiftModifier;
        if (words.at(0).contains(QLatin1String("ctrl+")))
            modifiers |= Qt::ControlModifier;
        const QString what = words.at(0).section(QLatin1Char('+'), -1);
        if (what == QLatin1String("click")) {
            QTest::mouseClick(viewport, Qt::LeftButton, modifiers, rowCentre(list, words.at(1).toInt()));
        } else if (what == QLatin1String("drag")) {
            QTest::mousePress(viewport, Qt::LeftButton, modifiers, rowCentre(list, words.at(1).toInt()));
            QMouseEvent move(QEvent::MouseMove, rowCentre(list, words.at(2).toInt()),
                             viewport->mapToGlobal(rowCentre(list, words.at(2).toInt())), Qt::NoButton,
                             Qt::LeftButton, modifiers);
            QApplication::sendEvent(viewport, &move);
            QTest::mouseRelease(viewport, Qt::LeftButton, modifiers, rowCentre(list, words.at(2).toInt()));
        } else {
            static const QHash<QString, Qt::Key> keys{{"Down", Qt::Key_Down}, {"Up", Qt::Key_Up},
                                                      {"End", Qt::Key_End},   {"Space", Qt::Key_Space},
                                                      {"A", Qt::Key_A},       {"Home", Qt::Key_Home}};
            QTest::keyClick(list.view(), keys.value(words.at(1)), modifiers);
        }
    }
}

// A list of `rows` lines "line0\tx", "line1\tx"..., shown.
std::unique_ptr<Vx3dList> shownList(bool multi, int rows, QSize size) {
    auto list = std::make_unique<Vx3dList>("lstChqList", kRegisterColumns);
    list->setMultiSelect(multi);
    for (int i = 0; i < rows; ++i)
        list->AddItem(QStringLiteral("line%1\tx").arg(i));
    list->resize(size);
    list->show();
    return list;
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
        QVERIFY(paintedSelected(list, 4));
        QVERIFY(!paintedSelected(list, 2));
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
        const auto shownOne = shownList(true, 6, {500, 300});
        Vx3dList& list = *shownOne;
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
        QVERIFY(paintedSelected(list, 5));
        QVERIFY(!paintedSelected(list, 3));
    }

    // The list-box rules for the mouse and the keys, from line 2 clicked in a list of ten.
    void userSelection_data() {
        QTest::addColumn<bool>("multi");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<std::vector<int>>("selected");
        QTest::addColumn<int>("current");
        using L = std::vector<int>;
        QTest::newRow("click") << true << QStringList{"click 6"} << L{6} << 6;
        QTest::newRow("shift+click runs from the anchor")
            << true << QStringList{"ctrl+click 4", "shift+click 7"} << L{4, 5, 6, 7} << 7;
        QTest::newRow("shift+click upwards") << true << QStringList{"shift+click 0"} << L{0, 1, 2} << 0;
        QTest::newRow("ctrl+shift+click adds the run")
            << true << QStringList{"ctrl+click 8", "ctrl+shift+click 6"} << L{2, 6, 7, 8} << 6;
        QTest::newRow("ctrl+click toggles") << true << QStringList{"ctrl+click 5", "ctrl+click 2"} << L{5} << 2;
        QTest::newRow("arrow selects one") << true << QStringList{"ctrl+click 5", "key Down"} << L{6} << 6;
        QTest::newRow("shift+arrows extend") << true << QStringList{"shift+key Down", "shift+key Down"} << L{2, 3, 4} << 4;
        QTest::newRow("ctrl+arrow moves only") << true << QStringList{"ctrl+key Down", "ctrl+key Down"} << L{2} << 4;
        QTest::newRow("ctrl+space toggles the current line")
            << true << QStringList{"ctrl+key Down", "ctrl+key Space", "ctrl+key Up", "ctrl+key Up", "ctrl+key Space"}
            << L{1, 2, 3} << 1;
        QTest::newRow("shift+end") << true << QStringList{"shift+key End"} << L{2, 3, 4, 5, 6, 7, 8, 9} << 9;
        QTest::newRow("select all") << true << QStringList{"ctrl+key A"} << L{0, 1, 2, 3, 4, 5, 6, 7, 8, 9} << 2;
        QTest::newRow("drag") << true << QStringList{"drag 3 5"} << L{3, 4, 5} << 5;
        QTest::newRow("single: click") << false << QStringList{"click 6"} << L{6} << 6;
        QTest::newRow("single: ctrl+click") << false << QStringList{"ctrl+click 6"} << L{6} << 6;
        QTest::newRow("single: shift+click") << false << QStringList{"shift+click 6"} << L{6} << 6;
        QTest::newRow("single: arrow") << false << QStringList{"key Down"} << L{3} << 3;
        QTest::newRow("single: select all does nothing") << false << QStringList{"ctrl+key A"} << L{2} << 2;
    }
    void userSelection() {
        QFETCH(bool, multi);
        QFETCH(QStringList, steps);
        QFETCH(std::vector<int>, selected);
        QFETCH(int, current);
        const auto shownOne = shownList(multi, 10, {500, 400});
        Vx3dList& list = *shownOne;
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        list.SetFocus();
        perform(list, {"click 2"});
        perform(list, steps);
        QCOMPARE(list.selectedLines(), selected);
        QCOMPARE(list.SelCount(), static_cast<int>(selected.size()));
        QCOMPARE(list.ListIndex(), current);
        for (int row = 0; row < 10; ++row)
            QCOMPARE(paintedSelected(list, row), std::find(selected.begin(), selected.end(), row) != selected.end());
    }

    // While an assistive tool listens, the view's own selection, which such a tool reads, follows
    // the flags; without one it stays empty.
    void selectionSeenByAssistiveTools() {
        const auto shownOne = shownList(true, 8, {500, 300});
        Vx3dList& list = *shownOne;
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        QAccessibleTableInterface* table = QAccessible::queryAccessibleInterface(list.view())->tableInterface();
        QVERIFY(table);
        const auto seen = [table] {
            QList<int> rows = table->selectedRows();
            std::sort(rows.begin(), rows.end());
            return rows;
        };
        list.setSelected(1, true);
        list.setSelected(2, true);
        QCOMPARE(seen(), QList<int>{});

        QAccessible::setActive(true);
        QCOMPARE(seen(), (QList<int>{1, 2}));
        QTest::mouseClick(list.view()->viewport(), Qt::LeftButton, Qt::ControlModifier, rowCentre(list, 5));
        QCOMPARE(seen(), (QList<int>{1, 2, 5}));
        QVERIFY(table->cellAt(5, 0)->state().selected);
        QVERIFY(paintedSelected(list, 5));
        QTest::mouseClick(list.view()->viewport(), Qt::LeftButton, Qt::ControlModifier, rowCentre(list, 1));
        QCOMPARE(seen(), (QList<int>{2, 5}));
        QVERIFY(!paintedSelected(list, 1));
        QTest::keyClick(list.view(), Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(seen().size(), 8);
        list.setRedraw(false);
        list.clearSelection();
        list.setSelected(6, true);
        list.setRedraw(true);
        QCOMPARE(seen(), QList<int>{6});

        QAccessible::setActive(false);
        QCOMPARE(seen(), QList<int>{});
        QCOMPARE(list.selectedLines(), std::vector<int>{6});
        QVERIFY(paintedSelected(list, 6));
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
        QVERIFY(paintedSelected(list, 500));
        QVERIFY(paintedSelected(list, 501));
        QVERIFY(!paintedSelected(list, 8));
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
        QCOMPARE(list.SelCount(), 0);
        QVERIFY(!paintedSelected(list, 0));
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
