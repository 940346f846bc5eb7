#include "register/app/RegisterModel.h"

#include "register/app/ChequeBookSession.h"
#include "register/app/QtText.h"
#include "register/core/ChequeBook.h"
#include "register/core/RegisterList.h"
#include "ui/Vx3dList.h"

namespace ledger {

RegisterModel::RegisterModel(const ChequeBookSession& session, QStringList titles, QObject* parent)
    : QAbstractTableModel(parent), session_(session), titles_(std::move(titles)) {
    connect(&session, &ChequeBookSession::bookReplaced, this, &RegisterModel::reload);
    connect(&session, &ChequeBookSession::registerReset, this, &RegisterModel::reload);
    connect(&session, &ChequeBookSession::registerErased, this, &RegisterModel::erased);
    connect(&session, &ChequeBookSession::itemsRestated, this, &RegisterModel::restated);
    reload();
}

int RegisterModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(balances_.size());
}

int RegisterModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(titles_.size());
}

void RegisterModel::reload() {
    beginResetModel();
    cachedRow_ = -1;
    if (const ChequeBook* book = session_.book())
        runningBalances(book->items, balances_);
    else
        balances_.clear();
    endResetModel();
}

void RegisterModel::erased(const std::vector<int>& rows, const std::vector<std::int64_t>& amounts) {
    beginResetModel();
    cachedRow_ = -1;
    const ChequeBook* book = session_.book();
    if (!book)
        balances_.clear();
    else if (!eraseFromBalances(balances_, rows, amounts) || balances_.size() != book->items.size())
        runningBalances(book->items, balances_); // and a sum that does not fit fails as ever
    endResetModel();
}

void RegisterModel::restated(int first, int last) {
    if (first < 0 || last < first || last >= rowCount())
        return;
    if (cachedRow_ >= first && cachedRow_ <= last)
        cachedRow_ = -1;
    emit dataChanged(index(first, 0), index(last, columnCount() - 1), {Qt::DisplayRole, ui::Vx3dList::LineRole});
}

QString RegisterModel::line(int row) const {
    const ChequeBook* book = session_.book();
    if (!book || row < 0 || row >= rowCount() || static_cast<std::size_t>(row) >= book->items.size())
        return QString();
    if (row != cachedRow_) {
        const auto r = static_cast<std::size_t>(row);
        cachedLine_ = qs(registerLine(book->items[r], r, runtime::Currency::fromTicks(balances_[r])));
        cachedFields_ = cachedLine_.split(QLatin1Char('\t'));
        cachedRow_ = row;
    }
    return cachedLine_;
}

const QStringList& RegisterModel::fieldsOf(int row) const {
    static const QStringList none;
    line(row);
    return row == cachedRow_ ? cachedFields_ : none;
}

QVariant RegisterModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != ui::Vx3dList::LineRole))
        return QVariant();
    if (role == ui::Vx3dList::LineRole)
        return line(index.row());
    const QStringList& fields = fieldsOf(index.row());
    return index.column() < fields.size() ? fields.at(index.column()) : QString();
}

QVariant RegisterModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < titles_.size())
        return titles_.at(section);
    return QVariant();
}

Qt::ItemFlags RegisterModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

} // namespace ledger
