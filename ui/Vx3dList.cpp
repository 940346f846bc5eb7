#include "ui/Vx3dList.h"

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTreeView>
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

namespace {

// QTreeView measures every row of a changed span to find the area to repaint: a toggle of thousands
// of spread-out items of a long register would take half a second. A span longer than a screenful
// repaints what is shown instead; the list has no editors to refresh.
class ListView final : public QTreeView {
public:
    using QTreeView::QTreeView;

    // The header shows no selection. QHeaderView asks the selection, for every section it paints,
    // whether the whole column is selected, which walks the selected rows: with a long block
    // selected, each repaint of the header took seconds.
    void setSelectionModel(QItemSelectionModel* selection) override {
        QTreeView::setSelectionModel(selection);
        if (!model())
            return;
        delete headerSelection_;
        headerSelection_ = new QItemSelectionModel(model(), this);
        header()->setSelectionModel(headerSelection_);
    }

protected:
    void dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight, const QList<int>& roles) override {
        if (bottomRight.row() - topLeft.row() > kMeasuredRows) {
            viewport()->update();
            return;
        }
        QTreeView::dataChanged(topLeft, bottomRight, roles);
    }

private:
    static constexpr int kMeasuredRows = 256;
    QItemSelectionModel* headerSelection_ = nullptr;
};

} // namespace

Vx3dList::Vx3dList(QWidget* parent) : QWidget(parent) { init({}); }

Vx3dList::Vx3dList(const QString& objectName, const QStringList& columnTitles, QWidget* parent) : QWidget(parent) {
    setObjectName(objectName);
    init(columnTitles);
}

Vx3dList::~Vx3dList() = default;

void Vx3dList::init(const QStringList& titles) {
    model_ = new Vx3dListModel(this);
    model_->titles = titles;
    view_ = new ListView(this);
    view_->setObjectName(objectName() + QStringLiteral("View"));
    view_->setModel(model_);
    view_->setRootIsDecorated(false);
    view_->setItemsExpandable(false);
    view_->setUniformRowHeights(true); // lets the view skip measuring every row of a long list
    view_->setAllColumnsShowFocus(true);
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setTextElideMode(Qt::ElideNone);
    view_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    view_->setLineWidth(2);
    view_->header()->setSectionsMovable(false);
    view_->header()->setStretchLastSection(true);
    view_->viewport()->installEventFilter(this);
    view_->installEventFilter(this);
    setFocusProxy(view_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);

    connect(view_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &Vx3dList::onViewSelectionChanged);
    connect(view_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { onViewCurrentChanged(current.isValid() ? current.row() : -1); });
    connect(view_, &QAbstractItemView::doubleClicked, this, [this] { emit dblClick(); });
}

void Vx3dList::setColumnTitles(const QStringList& titles) {
    model_->setTitles(titles);
    pushSelectionToView();
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
    connect(view_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &Vx3dList::onViewSelectionChanged);
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
}

int Vx3dList::shownRows() const { return outside_ ? outside_->rowCount() : model_->shown; }

void Vx3dList::setColumnWidth(int column, int pixels) { view_->setColumnWidth(column, pixels); }

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
        std::fill(selected_.begin(), selected_.end(), 0);
        selCount_ = 0;
        if (line >= 0)
            setFlag(line, true);
        pushSelectionToView();
    }
    pushCurrentToView(true);
}

void Vx3dList::setMultiSelect(bool on) {
    multi_ = on;
    view_->setSelectionMode(on ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
    if (!on && selCount_ > 1) {
        std::fill(selected_.begin(), selected_.end(), 0);
        selCount_ = 0;
        if (current_ >= 0)
            setFlag(current_, true);
    }
    pushSelectionToView();
}

bool Vx3dList::Selected(int line) const {
    return line >= 0 && line < ListCount() && selected_[static_cast<std::size_t>(line)] != 0;
}

void Vx3dList::setSelected(int line, bool on) {
    if (line < 0 || line >= ListCount())
        return;
    if (!multi_ && on) {
        std::fill(selected_.begin(), selected_.end(), 0);
        selCount_ = 0;
        current_ = line;
    }
    setFlag(line, on);
    if (!redraw_ || line >= shownRows())
        return;
    syncing_ = true;
    const QModelIndex index = view_->model()->index(line, 0);
    QItemSelectionModel::SelectionFlags flags = QItemSelectionModel::Rows;
    flags |= on ? (multi_ ? QItemSelectionModel::Select : QItemSelectionModel::ClearAndSelect)
                : QItemSelectionModel::Deselect;
    view_->selectionModel()->select(index, flags);
    syncing_ = false;
    if (!multi_ && on)
        pushCurrentToView(false);
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
    std::fill(selected_.begin(), selected_.end(), 0);
    selCount_ = 0;
    pushSelectionToView();
}

void Vx3dList::selectOnly(int line) {
    if (line < 0 || line >= ListCount())
        return;
    std::fill(selected_.begin(), selected_.end(), 0);
    selCount_ = 0;
    setFlag(line, true);
    current_ = line;
    pushSelectionToView();
    pushCurrentToView(true);
}

void Vx3dList::SetFocus() { view_->setFocus(Qt::OtherFocusReason); }

void Vx3dList::pushSelectionToView() {
    if (!redraw_)
        return;
    // Runs of selected lines become ranges, so a fully selected long list is one range.
    QItemSelection selection;
    const QAbstractItemModel* model = view_->model();
    const int rows = std::min<int>(shownRows(), static_cast<int>(selected_.size()));
    const int lastColumn = model->columnCount() - 1;
    for (int i = 0; i < rows;) {
        if (selected_[static_cast<std::size_t>(i)] == 0) {
            ++i;
            continue;
        }
        int j = i;
        while (j + 1 < rows && selected_[static_cast<std::size_t>(j + 1)] != 0)
            ++j;
        selection.select(model->index(i, 0), model->index(j, lastColumn));
        i = j + 1;
    }
    syncing_ = true;
    view_->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    syncing_ = false;
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

void Vx3dList::onViewSelectionChanged(const QItemSelection& selected, const QItemSelection& deselected) {
    if (syncing_)
        return;
    const auto apply = [this](const QItemSelection& ranges, bool on) {
        for (const QItemSelectionRange& range : ranges)
            for (int row = range.top(); row <= range.bottom() && row < ListCount(); ++row)
                setFlag(row, on);
    };
    apply(deselected, false);
    apply(selected, true);
}

void Vx3dList::onViewCurrentChanged(int row) {
    if (syncing_)
        return;
    current_ = row;
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
    pushSelectionToView();
    pushCurrentToView(false);
    view_->setUpdatesEnabled(true);
    view_->viewport()->update();
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
