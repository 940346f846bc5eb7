#include "ole/StockPropPages.h"

#include "ole/PictureHolder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QSignalBlocker>

namespace ole {

namespace {

enum StockId {
    idProperties = 1,
    idColor,
    idFontName,
    idFontSize,
    idBold,
    idItalic,
    idUnderline,
    idStrike,
    idPicture
};

template <typename T> T* child(const COlePropertyPage* page, int id) {
    return qobject_cast<T*>(page->control(id));
}

QString colorText(OLE_COLOR c) {
    return QStringLiteral("&H%1&").arg(c, 8, 16, QLatin1Char('0')).toUpper();
}

} // namespace

CStockPropPage::CStockPropPage(VarType type, QString caption, QWidget* parent)
    : COlePropertyPage(0, std::move(caption), parent), type_(type) {
    auto* props = addCombo(idProperties, QRect(58, 3, 120, 80), {});
    addLabel(QStringLiteral("&Properties:"), QRect(4, 4, 50, 10), props);
    connect(props, &QComboBox::currentIndexChanged, this, [this] { showProperty(); });
    auto watch = [this](QWidget* w) {
        if (auto* e = qobject_cast<QLineEdit*>(w))
            connect(e, &QLineEdit::textEdited, this, [this] { editorChanged(); });
        else if (auto* c = qobject_cast<QCheckBox*>(w))
            connect(c, &QCheckBox::toggled, this, [this] { editorChanged(); });
    };
    if (type_ == VarType::Color) {
        auto* e = addEdit(idColor, QRect(58, 20, 80, 12));
        addLabel(QStringLiteral("&Color:"), QRect(4, 21, 50, 10), e);
        watch(e);
    } else if (type_ == VarType::Font) {
        auto* name = addEdit(idFontName, QRect(58, 20, 120, 12));
        addLabel(QStringLiteral("&Font:"), QRect(4, 21, 50, 10), name);
        auto* size = addEdit(idFontSize, QRect(58, 36, 40, 12));
        addLabel(QStringLiteral("&Size:"), QRect(4, 37, 50, 10), size);
        watch(name);
        watch(size);
        watch(addCheck(idBold, QStringLiteral("&Bold"), QRect(58, 52, 60, 10)));
        watch(addCheck(idItalic, QStringLiteral("&Italic"), QRect(58, 64, 60, 10)));
        watch(addCheck(idUnderline, QStringLiteral("&Underline"), QRect(58, 76, 60, 10)));
        watch(addCheck(idStrike, QStringLiteral("S&trikeout"), QRect(58, 88, 60, 10)));
    } else {
        auto* e = addEdit(idPicture, QRect(58, 20, 180, 12));
        addLabel(QStringLiteral("&File:"), QRect(4, 21, 50, 10), e);
        watch(e);
    }
}

QStringList CStockPropPage::propertyNames() const {
    QStringList names;
    auto* props = child<QComboBox>(this, idProperties);
    for (int i = 0; i < props->count(); ++i)
        names << props->itemText(i);
    return names;
}

bool CStockPropPage::selectProperty(const QString& name) {
    auto* props = child<QComboBox>(this, idProperties);
    const int i = props->findText(name, Qt::MatchFixedString);
    if (i < 0)
        return false;
    props->setCurrentIndex(i);
    return true;
}

void CStockPropPage::DoDataExchange(CDataExchange* pDX) {
    if (pDX->m_bSaveAndValidate) {
        pDX->m_idLastControl = idProperties;
        for (const auto& [name, value] : edited_) {
            const Variant v = value;
            addPending(name, [v] { return v; });
        }
        writePending();
        edited_.clear();
        return;
    }
    auto* props = child<QComboBox>(this, idProperties);
    const QString shown = props->currentText();
    current_.clear();
    edited_.clear();
    QSignalBlocker block(props);
    props->clear();
    if (GetObjects().empty())
        return;
    COleControl* first = GetObjects().front();
    for (const MemberInfo& m : first->typeLibrary().dispatch.members) {
        if (m.kind != MemberKind::Property || m.type != type_ || m.indexed || m.readOnly)
            continue;
        props->addItem(m.name);
        current_[m.name] = first->dispatchGet(m.name);
    }
    const int keep = props->findText(shown);
    props->setCurrentIndex(keep >= 0 ? keep : (props->count() ? 0 : -1));
    showProperty();
}

void CStockPropPage::showProperty() {
    const QString name = child<QComboBox>(this, idProperties)->currentText();
    auto it = edited_.find(name);
    const Variant v = it != edited_.end() ? it->second : current_[name];
    showing_ = true;
    if (type_ == VarType::Color) {
        child<QLineEdit>(this, idColor)->setText(v.isEmpty() ? QString() : colorText(v.toColor()));
    } else if (type_ == VarType::Font) {
        const auto font = v.isEmpty() ? nullptr : v.toFont();
        const FONTDESC d = font ? font->description() : FONTDESC{};
        child<QLineEdit>(this, idFontName)->setText(d.lpstrName);
        child<QLineEdit>(this, idFontSize)->setText(Variant::fromCurrency(d.cySize).toString());
        child<QCheckBox>(this, idBold)->setChecked(d.sWeight >= 700);
        child<QCheckBox>(this, idItalic)->setChecked(d.fItalic);
        child<QCheckBox>(this, idUnderline)->setChecked(d.fUnderline);
        child<QCheckBox>(this, idStrike)->setChecked(d.fStrikethrough);
    } else {
        child<QLineEdit>(this, idPicture)->clear();
    }
    showing_ = false;
}

Variant CStockPropPage::valueFromEditors() const {
    if (type_ == VarType::Color)
        return Variant::fromColor(Variant::fromString(child<QLineEdit>(this, idColor)->text()).toColor());
    if (type_ == VarType::Font) {
        FONTDESC d;
        d.lpstrName = child<QLineEdit>(this, idFontName)->text().trimmed();
        d.cySize = Variant::fromString(child<QLineEdit>(this, idFontSize)->text()).toCurrency();
        d.sWeight = child<QCheckBox>(this, idBold)->isChecked() ? 700 : 400;
        d.fItalic = child<QCheckBox>(this, idItalic)->isChecked();
        d.fUnderline = child<QCheckBox>(this, idUnderline)->isChecked();
        d.fStrikethrough = child<QCheckBox>(this, idStrike)->isChecked();
        return Variant::fromFont(std::make_shared<FontObject>(d));
    }
    const QString file = child<QLineEdit>(this, idPicture)->text().trimmed();
    if (file.isEmpty() || file.compare(QLatin1String("(None)"), Qt::CaseInsensitive) == 0)
        return Variant::fromPicture(std::make_shared<PictureObject>(PICTYPE_NONE, QImage()));
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        throw AutomationError(CTL_E_FILENOTFOUND, QStringLiteral("File not found"));
    auto picture = PictureObject::fromFileBytes(f.readAll(), file);
    if (!picture)
        throw AutomationError(CTL_E_INVALIDPICTURE, QStringLiteral("Invalid picture"));
    return Variant::fromPicture(picture);
}

void CStockPropPage::editorChanged() {
    if (showing_)
        return;
    const QString name = child<QComboBox>(this, idProperties)->currentText();
    if (name.isEmpty())
        return;
    try {
        edited_[name] = valueFromEditors();
    } catch (const AutomationError&) {
        edited_.erase(name); // half-typed text: nothing to apply yet
    }
}

std::unique_ptr<COlePropertyPage> createStockPropertyPage(const CLSID& clsid, QWidget* parent) {
    if (clsid == CLSID_StockColorPage)
        return std::make_unique<CStockPropPage>(VarType::Color, QStringLiteral("Colors"), parent);
    if (clsid == CLSID_StockFontPage)
        return std::make_unique<CStockPropPage>(VarType::Font, QStringLiteral("Fonts"), parent);
    if (clsid == CLSID_StockPicturePage)
        return std::make_unique<CStockPropPage>(VarType::Picture, QStringLiteral("Pictures"), parent);
    return nullptr;
}

} // namespace ole
