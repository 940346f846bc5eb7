#include "ole/PropertyPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace ole {

namespace {

// Thrown by CDataExchange::Fail and caught by UpdateData.
struct ExchangeFailed {};

// Base units of MS Sans Serif 8 at the screen's 96 dots an inch.
constexpr int kBaseX = 6;
constexpr int kBaseY = 13;

int mulDiv(int a, int b, int c) {
    return static_cast<int>((static_cast<long long>(a) * b + c / 2) / c);
}

} // namespace

void CDataExchange::Fail() {
    if (QWidget* w = m_pDlgWnd->control(m_idLastControl)) {
        w->setFocus();
        if (auto* edit = qobject_cast<QLineEdit*>(w))
            edit->selectAll();
    }
    throw ExchangeFailed{};
}

COlePropertyPage::COlePropertyPage(int dialogId, QString caption, QWidget* parent)
    : QWidget(parent), dialogId_(dialogId), caption_(std::move(caption)) {
    setFixedSize(dluToPixels(QRect(0, 0, 250, 110)).size());
}

COlePropertyPage::~COlePropertyPage() = default;

QRect COlePropertyPage::dluToPixels(const QRect& dlu) {
    return QRect(mulDiv(dlu.x(), kBaseX, 4), mulDiv(dlu.y(), kBaseY, 8), mulDiv(dlu.width(), kBaseX, 4),
                 mulDiv(dlu.height(), kBaseY, 8));
}

void COlePropertyPage::SetObjects(std::vector<COleControl*> objects) {
    objects_ = std::move(objects);
    UpdateData(false);
}

void COlePropertyPage::report(const QString& text) {
    lastMessage_ = text;
    if (report_)
        report_(text);
}

bool COlePropertyPage::UpdateData(bool saveAndValidate) {
    CDataExchange dx(this, saveAndValidate);
    pending_.clear();
    loading_ = !saveAndValidate;
    try {
        DoDataExchange(&dx);
    } catch (const ExchangeFailed&) {
        loading_ = false;
        pending_.clear();
        return false;
    } catch (const AutomationError& e) {
        loading_ = false;
        pending_.clear();
        report(e.description());
        return false;
    }
    loading_ = false;
    if (!saveAndValidate)
        changed_.clear();
    return true;
}

QWidget* COlePropertyPage::control(int id) const {
    return findChild<QWidget*>(QStringLiteral("ctl%1").arg(id), Qt::FindDirectChildrenOnly);
}

void COlePropertyPage::markChanged(int id) {
    if (!loading_)
        changed_.insert(id);
}

void COlePropertyPage::addPending(const QString& property, std::function<Variant()> value) {
    pending_.emplace_back(property, std::move(value));
}

QComboBox* COlePropertyPage::addCombo(int id, const QRect& dlu, const QStringList& items, bool sorted) {
    auto* combo = new QComboBox(this);
    combo->setObjectName(QStringLiteral("ctl%1").arg(id));
    QStringList list = items;
    if (sorted)
        list.sort(Qt::CaseInsensitive);
    combo->addItems(list);
    combo->setCurrentIndex(-1);
    // The height in the dialog includes the drop-down list; the closed box is one edit line high.
    QRect r = dluToPixels(dlu);
    r.setHeight(dluToPixels(QRect(0, 0, 0, 12)).height());
    combo->setGeometry(r);
    connect(combo, &QComboBox::currentIndexChanged, this, [this, id] { markChanged(id); });
    return combo;
}

QLineEdit* COlePropertyPage::addEdit(int id, const QRect& dlu) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QStringLiteral("ctl%1").arg(id));
    edit->setGeometry(dluToPixels(dlu));
    connect(edit, &QLineEdit::textChanged, this, [this, id] { markChanged(id); });
    return edit;
}

QCheckBox* COlePropertyPage::addCheck(int id, const QString& text, const QRect& dlu) {
    auto* check = new QCheckBox(text, this);
    check->setObjectName(QStringLiteral("ctl%1").arg(id));
    check->setGeometry(dluToPixels(dlu));
    connect(check, &QCheckBox::toggled, this, [this, id] { markChanged(id); });
    return check;
}

QPushButton* COlePropertyPage::addButton(int id, const QString& text, const QRect& dlu) {
    auto* button = new QPushButton(text, this);
    button->setObjectName(QStringLiteral("ctl%1").arg(id));
    button->setGeometry(dluToPixels(dlu));
    return button;
}

QLabel* COlePropertyPage::addLabel(const QString& text, const QRect& dlu, QWidget* buddy) {
    auto* label = new QLabel(text, this);
    label->setAlignment(Qt::AlignRight | Qt::AlignTop);
    label->setGeometry(dluToPixels(dlu));
    label->setBuddy(buddy);
    return label;
}

// ---- Exchange functions ----

namespace {

template <typename T> T* pageControl(CDataExchange* pDX, int id) {
    pDX->m_idLastControl = id;
    return qobject_cast<T*>(pDX->m_pDlgWnd->control(id));
}

// The property's value in the first selected control; nothing without a selection.
std::optional<Variant> firstValue(CDataExchange* pDX, const QString& property) {
    const auto& objects = pDX->m_pDlgWnd->GetObjects();
    if (objects.empty())
        return std::nullopt;
    return objects.front()->dispatchGet(property);
}

} // namespace

void DDX_Text(CDataExchange* pDX, int id, int& value) {
    auto* edit = pageControl<QLineEdit>(pDX, id);
    if (!edit)
        return;
    if (!pDX->m_bSaveAndValidate) {
        edit->setText(QString::number(value));
        return;
    }
    bool ok = false;
    const long long v = edit->text().trimmed().toLongLong(&ok);
    if (!ok || v < INT32_MIN || v > INT32_MAX) {
        pDX->m_pDlgWnd->report(QStringLiteral("Please enter an integer."));
        pDX->Fail();
    }
    value = static_cast<int>(v);
}

void DDX_CBIndex(CDataExchange* pDX, int id, int& index) {
    auto* combo = pageControl<QComboBox>(pDX, id);
    if (!combo)
        return;
    if (pDX->m_bSaveAndValidate)
        index = combo->currentIndex();
    else
        combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
}

void DDX_CBString(CDataExchange* pDX, int id, QString& text) {
    auto* combo = pageControl<QComboBox>(pDX, id);
    if (!combo)
        return;
    if (pDX->m_bSaveAndValidate) {
        text = combo->currentText();
        return;
    }
    // The item that begins with the value is shown.
    int found = -1;
    for (int i = 0; i < combo->count() && found < 0; ++i)
        if (!text.isEmpty() && combo->itemText(i).startsWith(text, Qt::CaseInsensitive))
            found = i;
    combo->setCurrentIndex(found);
}

void DDX_Check(CDataExchange* pDX, int id, int& state) {
    auto* check = pageControl<QCheckBox>(pDX, id);
    if (!check)
        return;
    if (pDX->m_bSaveAndValidate)
        state = check->isChecked() ? 1 : 0;
    else
        check->setChecked(state != 0);
}

void DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal) {
    if (!pDX->m_bSaveAndValidate || (value >= minVal && value <= maxVal))
        return;
    pDX->m_pDlgWnd->report(
        QStringLiteral("Please enter an integer between %1 and %2.").arg(minVal).arg(maxVal));
    pDX->Fail();
}

namespace {

void exchangeProperty(CDataExchange* pDX, int id, const QString& property,
                      const std::function<void(const Variant&)>& load, std::function<Variant()> save) {
    if (!pDX->m_bSaveAndValidate) {
        if (auto v = firstValue(pDX, property))
            load(*v);
        return;
    }
    if (pDX->m_pDlgWnd->isChanged(id))
        pDX->m_pDlgWnd->addPending(property, std::move(save));
}

} // namespace

void DDP_Text(CDataExchange* pDX, int id, int& member, const QString& property) {
    exchangeProperty(
        pDX, id, property, [&member](const Variant& v) { member = v.toLong(); },
        [&member] { return Variant::fromLong(member); });
}

void DDP_CBIndex(CDataExchange* pDX, int id, int& member, const QString& property) {
    exchangeProperty(
        pDX, id, property, [&member](const Variant& v) { member = v.toLong(); },
        [&member] { return Variant::fromLong(member); });
}

void DDP_CBString(CDataExchange* pDX, int id, QString& member, const QString& property) {
    exchangeProperty(
        pDX, id, property, [&member](const Variant& v) { member = v.toString(); },
        [&member] { return Variant::fromString(member); });
}

void DDP_Check(CDataExchange* pDX, int id, int& member, const QString& property) {
    exchangeProperty(
        pDX, id, property, [&member](const Variant& v) { member = v.toBool() ? 1 : 0; },
        [&member] { return Variant::fromBool(member != 0); });
}

} // namespace ole

namespace ole {

void COlePropertyPage::writePending() {
    auto pending = std::move(pending_);
    pending_.clear();
    for (COleControl* object : objects_)
        for (const auto& [property, value] : pending)
            object->dispatchPut(property, value());
    changed_.clear();
}

void DDP_PostProcessing(CDataExchange* pDX) {
    if (pDX->m_bSaveAndValidate)
        pDX->m_pDlgWnd->writePending();
}

} // namespace ole
