#pragma once

#include <QAbstractTableModel>
#include <QStringList>

#include <cstdint>
#include <vector>

namespace ledger {

class ChequeBookSession;

// The register list as a view of the open book's items. A row's text is made by the core's
// registerLine only when a view asks for that row, so the list, the copies, the printouts and
// the listing show the same text; the running balances are worked out once per change of the
// register. The model follows the session: a replaced book or a changed register resets it, a
// change of cleared marks repaints the rows it touched.
class RegisterModel : public QAbstractTableModel {
    Q_OBJECT
public:
    RegisterModel(const ChequeBookSession& session, QStringList titles, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    // DisplayRole: one field of the line; ui::Vx3dList::LineRole: the whole line, tabs included.
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The register line of a row, "" out of range.
    QString line(int row) const;

public slots:
    // Reads the register afresh: the rows and every balance.
    void reload();
    // The rows at `rows` are gone and nothing else changed: the balances are worked out from the
    // ones before (ChequeBookSession::registerErased).
    void erased(const std::vector<int>& rows, const std::vector<std::int64_t>& amounts);
    // The cleared marks of rows first..last changed; nothing else did.
    void restated(int first, int last);

private:
    const QStringList& fieldsOf(int row) const;

    const ChequeBookSession& session_;
    QStringList titles_;
    std::vector<std::int64_t> balances_; // ticks of the balance after each row
    // The last row asked for: a painted row is asked for once per column and role.
    mutable int cachedRow_ = -1;
    mutable QString cachedLine_;
    mutable QStringList cachedFields_;
};

} // namespace ledger
