#include "ui/Vx3dList.h"

#include <QAbstractTableModel>
#include <QAccessible>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace ui {

namespace {

// The column-th tab-separated field of line, without splitting the whole line.
QString fieldOf(const QString& line, int column) {
    qsizetype start = 0;
    for (int c = 0; c < column; ++c) {
        const qsizetype tab = line.indexOf(QLatin1Char('\t'), start);
        if (tab < 0)
            return QString();
        start = tab + 1;
    }
    const qsizetype end = line.indexOf(QLatin1Char('\t'), start);
    return line.mid(start, end < 0 ? -1 : end - start);
}

} // namespace

// The lines as one text each; the fields are cut out only for the rows a view asks for, so that
// adding a line costs one shared-string copy. `shown` is the row count the views know about: it
// lags behind `lines` while redrawing is off.
class Vx3dListModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    std::vector<QString> lines;
    QStringList titles;
    int shown = 0;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override { return parent.isValid() ? 0 : shown; }
    int columnCount(const QModelIndex& parent = QModelIndex()) const override {
        return parent.isValid() ? 0 : std::max<int>(1, static_cast<int>(titles.size()));
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if ((role != Qt::DisplayRole && role != Vx3dList::LineRole) || !index.isValid() ||
            index.row() >= static_cast<int>(lines.size()))
            return QVariant();
        const QString& line = lines[static_cast<std::size_t>(index.row())];
        return role == Vx3dList::LineRole ? line : fieldOf(line, index.column());
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section < titles.size())
            return titles.at(section);
        return QVariant();
    }
    Qt::ItemFlags flags(const QModelIndex& index) const override {
        return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
    }

    void append(const QString& line, bool live) {
        const int row = static_cast<int>(lines.size());
        if (live)
            beginInsertRows(QModelIndex(), row, row);
        lines.push_back(line);
        if (live) {
            shown = row + 1;
            endInsertRows();
        }
    }
    void clear(bool live) {
        if (live)
            beginResetModel();
        lines.clear();
        if (live) {
            shown = 0;
            endResetModel();
        }
    }
    void setTitles(const QStringList& newTitles) {
        beginResetModel();
        titles = newTitles;
        endResetModel();
    }
    // Brings the views up to date after redrawing was off.
    void publish() {
        beginResetModel();
        shown = static_cast<int>(lines.size());
        endResetModel();
    }
    void lineChanged(int row) { emit dataChanged(index(row, 0), index(row, columnCount() - 1)); }
};

// Paints each cell with the list's selected flag and the column's alignment.
class Vx3dListDelegate final : public QStyledItemDelegate {
public:
    explicit Vx3dListDelegate(Vx3dList* list) : QStyledItemDelegate(list), list_(list) {}
    QList<int> rightAligned;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        if (list_->Selected(index.row()))
            option->state |= QStyle::State_Selected;
        else
            option->state &= ~QStyle::State_Selected;
        option->state &= ~QStyle::State_HasFocus; // the view frames the whole current line
        if (rightAligned.contains(index.column()))
            option->displayAlignment = Qt::AlignRight | Qt::AlignVCenter;
    }

private:
    Vx3dList* list_;
};

// A table rather than a tree: a tree lays out every row again after each reset (30 ms for a
// million), a table of rows of one height does not.
//
// The view selects nothing itself: its delegate paints the list's selected flags, and each click,
// drag and selecting key goes to the list, which applies the list-box rules to its flags. (Its own
// item selection would make every repaint walk a spread selection of thousands of rows.)
class Vx3dListView final : public QTableView {
public:
    explicit Vx3dListView(Vx3dList* list) : QTableView(list), list_(list) {
        setSelectionMode(QAbstractItemView::NoSelection);
        setSelectionBehavior(QAbstractItemView::SelectRows);
        setShowGrid(false);
        setWordWrap(false);
        setTabKeyNavigation(false); // Tab leaves the list, as from any list box
        setCornerButtonEnabled(false);
        verticalHeader()->hide();
        verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        verticalHeader()->setMinimumSectionSize(1);
        horizontalHeader()->setHighlightSections(false);
        horizontalHeader()->setSectionsMovable(false);
        horizontalHeader()->setStretchLastSection(true);
        horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        fitRowHeight();
    }

protected:
    void changeEvent(QEvent* event) override {
        QTableView::changeEvent(event);
        if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
            fitRowHeight();
    }

    void paintEvent(QPaintEvent* event) override {
        QTableView::paintEvent(event);
        const int row = currentIndex().row();
        if (row < 0 || !hasFocus())
            return;
        QStyleOptionFocusRect frame;
        frame.initFrom(this);
        frame.rect = QRect(-horizontalOffset(), rowViewportPosition(row), horizontalHeader()->length(), rowHeight(row));
        frame.state |= QStyle::State_KeyboardFocusChange;
        frame.backgroundColor = palette().color(list_->Selected(row) ? QPalette::Highlight : QPalette::Base);
        QPainter painter(viewport());
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, &painter, this);
    }

    void mousePressEvent(QMouseEvent* event) override {
        const QModelIndex index = indexAt(event->position().toPoint());
        dragRow_ = event->button() == Qt::LeftButton && index.isValid() ? index.row() : -1;
        if (dragRow_ >= 0)
            list_->userSelect(dragRow_, Vx3dList::Gesture::Press, event->modifiers());
        QTableView::mousePressEvent(event);
    }

    void mouseMoveEvent(QMouseEvent* event) override {
        QTableView::mouseMoveEvent(event);
        const QModelIndex index = indexAt(event->position().toPoint());
        if (!(event->buttons() & Qt::LeftButton) || dragRow_ < 0 || !index.isValid() || index.row() == dragRow_)
            return;
        dragRow_ = index.row();
        list_->userSelect(dragRow_, Vx3dList::Gesture::Drag, event->modifiers());
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
    }

    void keyPressEvent(QKeyEvent* event) override {
        if (event->matches(QKeySequence::SelectAll)) {
            list_->selectAllByUser();
            return;
        }
        const int row = currentIndex().row();
        if (event->key() == Qt::Key_Space) {
            if (row >= 0)
                list_->userSelect(row, Vx3dList::Gesture::Space, event->modifiers());
            return;
        }
        if (event->key() == Qt::Key_Left || event->key() == Qt::Key_Right) {
            horizontalScrollBar()->triggerAction(event->key() == Qt::Key_Left ? QAbstractSlider::SliderSingleStepSub
                                                                              : QAbstractSlider::SliderSingleStepAdd);
            return;
        }
        const int next = rowAfterKey(event->key(), row);
        if (next == kNotAMove) {
            QTableView::keyPressEvent(event);
            return;
        }
        if (next < 0 || next == row)
            return;
        const QModelIndex index = model()->index(next, 0);
        list_->userSelect(next, Vx3dList::Gesture::Move, event->modifiers());
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
        scrollTo(index);
    }

private:
    static constexpr int kNotAMove = -2;

    // The line a movement key goes to from row (-1 when the list is empty), kNotAMove for others.
    int rowAfterKey(int key, int row) const {
        const int last = model()->rowCount() - 1;
        const int page = std::max(1, viewport()->height() / std::max(1, verticalHeader()->defaultSectionSize()) - 1);
        const auto clamp = [last](int r) { return last < 0 ? -1 : std::clamp(r, 0, last); };
        switch (key) {
        case Qt::Key_Up: return clamp(row - 1);
        case Qt::Key_Down: return clamp(row + 1);
        case Qt::Key_PageUp: return clamp(row - page);
        case Qt::Key_PageDown: return clamp(row + page);
        case Qt::Key_Home: return clamp(0);
        case Qt::Key_End: return clamp(last);
        default: return kNotAMove;
        }
    }

    // Every row one line of text high, as the style sizes an item.
    void fitRowHeight() {
        QStyleOptionViewItem option;
        initViewItemOption(&option);
        option.features |= QStyleOptionViewItem::HasDisplay;
        option.text = QStringLiteral("Xy");
        const QSize size = style()->sizeFromContents(QStyle::CT_ItemViewItem, &option, QSize(), this);
        verticalHeader()->setDefaultSectionSize(size.height());
    }

    Vx3dList* list_;
    int dragRow_ = -1; // the row the left button is over while it is down
};

// Mirrors the selection into the view when an assistive tool starts listening, and drops the
// mirror when the last one stops.
class Vx3dListAccessWatch final : public QObject, public QAccessible::ActivationObserver {
public:
    explicit Vx3dListAccessWatch(Vx3dList* list) : QObject(list), list_(list) {
        QAccessible::installActivationObserver(this);
    }
    ~Vx3dListAccessWatch() override { QAccessible::removeActivationObserver(this); }

    bool active = QAccessible::isActive();

    void accessibilityActiveChanged(bool on) override {
        active = on;
        if (on)
            list_->mirrorSelection();
        else
            list_->view_->selectionModel()->clearSelection();
    }

private:
    Vx3dList* list_;
};

Vx3dList::Vx3dList(QWidget* parent) : QWidget(parent) { init({}); }

Vx3dList::Vx3dList(const QString& objectName, const QStringList& columnTitles, QWidget* parent) : QWidget(parent) {
    setObjectName(objectName);
    init(columnTitles);
}

Vx3dList::~Vx3dList() = default;

void Vx3dList::init(const QStringList& titles) {
    model_ = new Vx3dListModel(this);
    model_->titles = titles;
    view_ = new Vx3dListView(this);
    view_->setObjectName(objectName() + QStringLiteral("View"));
    view_->setModel(model_);
    delegate_ = new Vx3dListDelegate(this);
    view_->setItemDelegate(delegate_);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setTextElideMode(Qt::ElideNone);
    view_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    view_->setLineWidth(2);
    view_->viewport()->installEventFilter(this);
    view_->installEventFilter(this);
    setFocusProxy(view_);
    access_ = new Vx3dListAccessWatch(this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);

    connect(view_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { onViewCurrentChanged(current.isValid() ? current.row() : -1); });
    connect(view_, &QAbstractItemView::doubleClicked, this, [this] { emit dblClick(); });
}

void Vx3dList::setColumnTitles(const QStringList& titles) {
    model_->setTitles(titles);
    pushCurrentToView(false);
}

QStringList Vx3dList::columnTitles() const {
    if (!outside_)
        return model_->titles;
    QStringList titles;
    for (int c = 0; c < outside_->columnCount(); ++c)
        titles << outside_->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
    return titles;
}

void Vx3dList::setModel(QAbstractItemModel* model) {
    if (outside_)
        outside_->disconnect(this);
    outside_ = model;
    syncing_ = true;
    view_->setModel(model ? model : static_cast<QAbstractItemModel*>(model_));
    syncing_ = false;
    connect(view_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { onViewCurrentChanged(current.isValid() ? current.row() : -1); });
    forgetSelection();
    if (!model)
        return;
    // Connected after the view's own handlers, so the view has forgotten its selection first.
    connect(model, &QAbstractItemModel::modelAboutToBeReset, this, [this] { syncing_ = true; });
    connect(model, &QAbstractItemModel::modelReset, this, [this] {
        syncing_ = false;
        forgetSelection();
    });
    // Rows come and go only by a reset in the models shown here; anything else starts afresh too.
    connect(model, &QAbstractItemModel::rowsInserted, this, &Vx3dList::forgetSelection);
    connect(model, &QAbstractItemModel::rowsRemoved, this, &Vx3dList::forgetSelection);
}

void Vx3dList::forgetSelection() {
    selected_.assign(static_cast<std::size_t>(ListCount()), 0);
    selCount_ = 0;
    current_ = -1;
    anchor_ = -1;
}

int Vx3dList::shownRows() const { return outside_ ? outside_->rowCount() : model_->shown; }

void Vx3dList::setColumnWidth(int column, int pixels) { view_->setColumnWidth(column, pixels); }

void Vx3dList::setRightAligned(const QList<int>& columns) {
    delegate_->rightAligned = columns;
    view_->viewport()->update();
}

void Vx3dList::setStretchLastColumn(bool on) { view_->horizontalHeader()->setStretchLastSection(on); }

void Vx3dList::AddItem(const QString& line) {
    if (outside_)
        return;
    model_->append(line, redraw_);
    selected_.push_back(0);
}

void Vx3dList::Clear() {
    if (outside_)
        return;
    syncing_ = true; // a reset view reports no selection; that is not the user's doing
    model_->clear(redraw_);
    syncing_ = false;
    selected_.clear();
    selCount_ = 0;
    current_ = -1;
    anchor_ = -1;
}

int Vx3dList::ListCount() const {
    return outside_ ? outside_->rowCount() : static_cast<int>(model_->lines.size());
}

QString Vx3dList::List(int line) const {
    if (line < 0 || line >= ListCount())
        return QString();
    if (outside_)
        return outside_->data(outside_->index(line, 0), LineRole).toString();
    return model_->lines[static_cast<std::size_t>(line)];
}

void Vx3dList::setList(int line, const QString& text) {
    if (outside_ || line < 0 || line >= ListCount())
        return;
    model_->lines[static_cast<std::size_t>(line)] = text;
    if (redraw_ && line < model_->shown)
        model_->lineChanged(line);
}

QString Vx3dList::field(int line, int column) const {
    if (line < 0 || line >= ListCount() || column < 0)
        return QString();
    if (outside_)
        return outside_->data(outside_->index(line, column), Qt::DisplayRole).toString();
    return fieldOf(model_->lines[static_cast<std::size_t>(line)], column);
}

void Vx3dList::setFlag(int line, bool on) {
    if (line < 0 || static_cast<std::size_t>(line) >= selected_.size())
        return;
    char& flag = selected_[static_cast<std::size_t>(line)];
    if ((flag != 0) != on) {
        flag = on ? 1 : 0;
        selCount_ += on ? 1 : -1;
    }
}

void Vx3dList::setListIndex(int line) {
    if (line < -1 || line >= ListCount())
        return;
    current_ = line;
    if (!multi_) {
        unselectAll();
        if (line >= 0)
            setFlag(line, true);
        anchor_ = line;
        repaintSelection();
    }
    pushCurrentToView(true);
}

void Vx3dList::setMultiSelect(bool on) {
    multi_ = on;
    if (!on && selCount_ > 1) {
        unselectAll();
        if (current_ >= 0)
            setFlag(current_, true);
    }
    repaintSelection();
}

bool Vx3dList::Selected(int line) const {
    // Against the flags, not the rows: a caller's model may have more rows for a moment, before the
    // list hears of its reset.
    return line >= 0 && static_cast<std::size_t>(line) < selected_.size() &&
           selected_[static_cast<std::size_t>(line)] != 0;
}

void Vx3dList::setSelected(int line, bool on) {
    if (line < 0 || line >= ListCount())
        return;
    if (!multi_ && on) {
        unselectAll();
        current_ = line;
        pushCurrentToView(false);
    }
    setFlag(line, on);
    repaintSelection();
}

std::vector<int> Vx3dList::selectedLines() const {
    std::vector<int> lines;
    lines.reserve(static_cast<std::size_t>(selCount_));
    for (std::size_t i = 0; i < selected_.size(); ++i)
        if (selected_[i] != 0)
            lines.push_back(static_cast<int>(i));
    return lines;
}

void Vx3dList::clearSelection() {
    unselectAll();
    repaintSelection();
}

void Vx3dList::selectOnly(int line) {
    if (line < 0 || line >= ListCount())
        return;
    unselectAll();
    setFlag(line, true);
    current_ = anchor_ = line;
    repaintSelection();
    pushCurrentToView(true);
}

void Vx3dList::ensureVisible(int line) {
    if (line >= 0 && line < shownRows())
        view_->scrollTo(view_->model()->index(line, 0));
}

void Vx3dList::SetFocus() { view_->setFocus(Qt::OtherFocusReason); }

void Vx3dList::unselectAll() {
    std::fill(selected_.begin(), selected_.end(), 0);
    selCount_ = 0;
}

void Vx3dList::selectRange(int from, int to) {
    for (int line = std::min(from, to); line <= std::max(from, to); ++line)
        setFlag(line, true);
}

// The list-box rules: a click or key selects one line; Ctrl keeps the others (a click toggles its
// line, a key only moves the current line); Shift selects from the anchor to the line, and with
// Ctrl adds that run to the rest. With single selection the selected line is the current one.
void Vx3dList::userSelect(int row, Gesture gesture, Qt::KeyboardModifiers modifiers) {
    if (row < 0 || row >= ListCount())
        return;
    const bool shift = modifiers & Qt::ShiftModifier;
    const bool ctrl = modifiers & Qt::ControlModifier;
    if (!multi_) {
        if (!(ctrl && gesture == Gesture::Move)) {
            unselectAll();
            setFlag(row, true);
            anchor_ = row;
        }
    } else if (gesture == Gesture::Space) {
        setFlag(row, !ctrl || !Selected(row));
        anchor_ = row;
    } else if (shift || gesture == Gesture::Drag) {
        if (!ctrl)
            unselectAll();
        selectRange(anchor_ >= 0 && anchor_ < ListCount() ? anchor_ : row, row);
    } else if (ctrl) {
        if (gesture == Gesture::Press) {
            setFlag(row, !Selected(row));
            anchor_ = row;
        }
    } else {
        unselectAll();
        setFlag(row, true);
        anchor_ = row;
    }
    repaintSelection();
}

void Vx3dList::selectAllByUser() {
    if (!multi_)
        return;
    selectRange(0, ListCount() - 1);
    repaintSelection();
}

void Vx3dList::repaintSelection() {
    if (!redraw_)
        return;
    view_->viewport()->update();
    mirrorSelection();
}

// Assistive tools learn the selection from the view's own; while one listens, that follows the
// flags in runs of rows (a spread selection then costs what it costs in any item view).
void Vx3dList::mirrorSelection() {
    if (!access_->active || !redraw_)
        return;
    const QAbstractItemModel* model = view_->model();
    const int rows = std::min(shownRows(), static_cast<int>(selected_.size()));
    const int lastColumn = std::max(0, model->columnCount() - 1);
    QItemSelection runs;
    for (int row = 0; row < rows; ++row) {
        if (selected_[static_cast<std::size_t>(row)] == 0)
            continue;
        const int first = row;
        while (row + 1 < rows && selected_[static_cast<std::size_t>(row) + 1] != 0)
            ++row;
        runs.append(QItemSelectionRange(model->index(first, 0), model->index(row, lastColumn)));
    }
    view_->selectionModel()->select(runs, QItemSelectionModel::ClearAndSelect);
}

void Vx3dList::pushCurrentToView(bool scroll) {
    if (!redraw_)
        return;
    syncing_ = true;
    const QModelIndex index =
        current_ >= 0 && current_ < shownRows() ? view_->model()->index(current_, 0) : QModelIndex();
    view_->selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
    syncing_ = false;
    if (scroll && index.isValid())
        view_->scrollTo(index);
}

void Vx3dList::onViewCurrentChanged(int row) {
    if (syncing_)
        return;
    current_ = row;
    // Typing a line's first letters moves to it too; with single selection that selects it.
    if (!multi_ && row >= 0 && !Selected(row))
        userSelect(row, Gesture::Move, {});
    emit click();
}

void Vx3dList::setFontName(const QString& name) {
    QFont f = view_->font();
    f.setFamily(name);
    view_->setFont(f);
}

QString Vx3dList::fontName() const { return view_->font().family(); }

void Vx3dList::setFontSize(double points) {
    if (points <= 0)
        return;
    QFont f = view_->font();
    f.setPointSizeF(points);
    view_->setFont(f);
}

double Vx3dList::fontSize() const { return view_->font().pointSizeF(); }

void Vx3dList::setFontBold(bool on) {
    QFont f = view_->font();
    f.setBold(on);
    view_->setFont(f);
}

bool Vx3dList::fontBold() const { return view_->font().bold(); }

void Vx3dList::setFontItalic(bool on) {
    QFont f = view_->font();
    f.setItalic(on);
    view_->setFont(f);
}

bool Vx3dList::fontItalic() const { return view_->font().italic(); }

void Vx3dList::setForeColor(const QColor& color) {
    foreColor_ = color;
    applyPalette();
}

void Vx3dList::setBackColor(const QColor& color) {
    backColor_ = color;
    applyPalette();
}

void Vx3dList::applyPalette() {
    QPalette p = view_->palette();
    if (foreColor_.isValid())
        p.setColor(QPalette::Text, foreColor_);
    if (backColor_.isValid())
        p.setColor(QPalette::Base, backColor_);
    view_->setPalette(p);
}

void Vx3dList::setRedraw(bool on) {
    if (on == redraw_)
        return;
    redraw_ = on;
    if (!on) {
        view_->setUpdatesEnabled(false);
        return;
    }
    syncing_ = true;
    if (!outside_)
        model_->publish();
    syncing_ = false;
    pushCurrentToView(false);
    view_->setUpdatesEnabled(true);
    view_->viewport()->update();
    mirrorSelection();
}

bool Vx3dList::eventFilter(QObject* watched, QEvent* event) {
    if (watched == view_ && event->type() == QEvent::KeyPress) {
        emit keyPress(static_cast<QKeyEvent*>(event)->key());
        return false;
    }
    if (watched != view_->viewport())
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint pos = view_->viewport()->mapTo(this, mouse->position().toPoint());
        const bool press = event->type() == QEvent::MouseButtonPress;
        if (press) {
            pressCurrent_ = current_;
            emit mouseDown(mouse->button(), mouse->modifiers(), pos);
        } else {
            emit mouseUp(mouse->button(), mouse->modifiers(), pos);
        }
        // The right button opens pop-up menus on the selected lines; it must not change them.
        if (mouse->button() == Qt::RightButton)
            return true;
        // A click on the line that was already current changes nothing in the view, yet is a click.
        if (!press && mouse->button() == Qt::LeftButton && current_ == pressCurrent_ && current_ >= 0 &&
            view_->indexAt(mouse->position().toPoint()).row() == current_)
            emit click();
        return false;
    }
    default: return false;
    }
}

} // namespace ui
