#pragma once

#include <QColor>
#include <QStringList>
#include <QWidget>

#include <vector>

class QAbstractItemModel;
class QTableView;

namespace ui {

class Vx3dListModel;
class Vx3dListView;
class Vx3dListDelegate;
class Vx3dListAccessWatch;

// Multi-column 3-D list. A line is one text whose fields are separated by tabs; the columns
// show the fields under titles set by the program. Lines are numbered from 0; -1 means none.
// The selection and current line are kept here, so they stay right while redrawing is off; the
// view paints the selection from these flags and passes the user's clicks and keys to them (its
// own item selection stays empty while no assistive tool listens: a spread selection of thousands
// of rows there made every repaint walk them all).
// A small list keeps its own lines (AddItem); a long one shows a model of the caller's (setModel)
// that makes text only for the rows asked for.
class Vx3dList : public QWidget {
    Q_OBJECT
public:
    // The role under which a model gives a row's whole line, fields separated by tabs.
    static constexpr int LineRole = Qt::UserRole + 1;

    explicit Vx3dList(QWidget* parent = nullptr);
    Vx3dList(const QString& objectName, const QStringList& columnTitles, QWidget* parent = nullptr);
    ~Vx3dList() override;

    void setColumnTitles(const QStringList& titles);
    QStringList columnTitles() const;
    void setColumnWidth(int column, int pixels);
    // Shows these columns' fields against their right edge (figures line up on their last digit).
    void setRightAligned(const QList<int>& columns);
    // Whether the last column takes the width that the others leave (it does at first).
    void setStretchLastColumn(bool on);

    // Shows `model` (not owned) instead of the list's own lines: the lines are its rows, List()
    // reads LineRole and field() the display text. A reset of the model clears the selection and
    // the current line; AddItem, Clear and setList then do nothing.
    void setModel(QAbstractItemModel* model);

    void AddItem(const QString& line);
    void Clear();
    int ListCount() const;
    // The line's whole text, tabs included; "" out of range.
    QString List(int line) const;
    void setList(int line, const QString& text);
    // One field of a line; "" when the line has fewer fields.
    QString field(int line, int column) const;

    // The current line. Setting it scrolls it into view; with single selection it also becomes
    // the selected line, with multiple selection the selected flags are left alone.
    int ListIndex() const { return current_; }
    void setListIndex(int line);
    void setMultiSelect(bool on);
    bool multiSelect() const { return multi_; }
    bool Selected(int line) const;
    void setSelected(int line, bool on);
    int SelCount() const { return selCount_; }
    std::vector<int> selectedLines() const;
    void clearSelection();
    // Makes line the current and only selected line and scrolls it into view.
    void selectOnly(int line);
    // Scrolls the line into view.
    void ensureVisible(int line);
    void SetFocus();

    void setFontName(const QString& name);
    QString fontName() const;
    void setFontSize(double points);
    double fontSize() const;
    void setFontBold(bool on);
    bool fontBold() const;
    void setFontItalic(bool on);
    bool fontItalic() const;
    void setForeColor(const QColor& color);
    QColor foreColor() const { return foreColor_; }
    void setBackColor(const QColor& color);
    QColor backColor() const { return backColor_; }

    // The WM_SETREDRAW switch: while off, AddItem, Clear and selection changes do no view work;
    // switching it on shows everything in one go.
    void setRedraw(bool on);
    bool redraw() const { return redraw_; }

    QTableView* view() const { return view_; }

signals:
    void click();
    void dblClick();
    void keyPress(int key);
    void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos);
    void mouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class Vx3dListView;
    friend class Vx3dListAccessWatch;
    // What the user did to a row: pressed the left button on it, dragged onto it, moved the
    // current line onto it by a key, pressed the space bar on it.
    enum class Gesture { Press, Drag, Move, Space };
    void userSelect(int row, Gesture gesture, Qt::KeyboardModifiers modifiers);
    void selectAllByUser();

    void init(const QStringList& titles);
    void applyPalette();
    void repaintSelection();
    void mirrorSelection();
    void pushCurrentToView(bool scroll);
    void onViewCurrentChanged(int row);
    void setFlag(int line, bool on);
    void unselectAll();
    void selectRange(int from, int to);
    // Rows the view knows about (the own lines lag behind while redrawing is off).
    int shownRows() const;
    void forgetSelection();

    Vx3dListModel* model_ = nullptr;
    QAbstractItemModel* outside_ = nullptr; // the caller's model, when one is shown
    QTableView* view_ = nullptr;
    Vx3dListDelegate* delegate_ = nullptr;
    Vx3dListAccessWatch* access_ = nullptr;
    std::vector<char> selected_;
    int selCount_ = 0;
    int current_ = -1;
    int pressCurrent_ = -1;
    int anchor_ = -1; // where a shift-click or shift-arrow selection starts
    bool multi_ = false;
    bool redraw_ = true;
    bool syncing_ = false; // the view's current line is being set by the program
    QColor foreColor_;
    QColor backColor_;
};

} // namespace ui
