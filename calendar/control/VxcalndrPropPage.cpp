#include "calendar/control/VxcalndrPropPage.h"

#include "ole/ClassFactory.h"
#include "ole/StockPropPages.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRect>

namespace vxcal {

using ole::CDataExchange;

std::shared_ptr<const ole::TypeLibrary> loadOwnTypeLibrary() {
    return ole::LoadTypeLib(ole::moduleFileNameOf(reinterpret_cast<const void*>(&loadOwnTypeLibrary)));
}

void CalendarPropPage::loadListsOnce(CDataExchange* pDX, const std::vector<ListTarget>& targets,
                                     int counter) {
    if (pDX->m_bSaveAndValidate || listsLoaded_)
        return;
    listsLoaded_ = true;
    const auto lib = loader_ ? loader_() : nullptr;
    if (!lib)
        return; // the stored lists stay
    for (const ole::EnumInfo& e : lib->enums) {
        if (counter <= 0)
            break;
        for (const ListTarget& t : targets) {
            if (t.enumName != e.name)
                continue;
            --counter;
            for (int id : t.combos) {
                auto* combo = qobject_cast<QComboBox*>(control(id));
                if (!combo)
                    continue;
                combo->clear();
                for (const auto& [value, name] : e.members)
                    combo->addItem(t.namesOnly ? name : QStringLiteral("%1 - %2").arg(value).arg(name));
            }
        }
    }
}

// ---- "Display Settings" ----

CVxcalndrPropPage::CVxcalndrPropPage(QWidget* parent, CalendarEnvironment aboutEnv)
    : CalendarPropPage(1001, QStringLiteral("Display Settings"), parent), aboutEnv_(std::move(aboutEnv)) {
    const QStringList lowered3{QStringLiteral("0 - Lowered"), QStringLiteral("1 - Raised"),
                               QStringLiteral("2 - Chiseled")};
    // In tab order, each label before its control, as the dialog lists them.
    addLabel(
        QStringLiteral("&Alignment:"), QRect(18, 4, 37, 10),
        addCombo(203, QRect(58, 3, 66, 40),
                 {QStringLiteral("0 - Left"), QStringLiteral("1 - Right"), QStringLiteral("2 - Center")}));
    addLabel(QStringLiteral("BevelS&ize:"), QRect(139, 4, 37, 10), addEdit(208, QRect(180, 3, 37, 12)));
    addLabel(QStringLiteral("&Wallpaper:"), QRect(18, 19, 37, 10),
             addCombo(227, QRect(58, 18, 66, 50),
                      {QStringLiteral("0 - StretchBlt"), QStringLiteral("1 - BitBlt"),
                       QStringLiteral("2 - Replicate")}));
    addLabel(QStringLiteral("BevelSi&zeCap:"), QRect(127, 19, 49, 10), addEdit(211, QRect(180, 18, 37, 12)));
    addLabel(
        QStringLiteral("B&evelStyle:"), QRect(18, 34, 37, 10),
        addCombo(205, QRect(58, 33, 66, 57),
                 {QStringLiteral("0 - Lowered"), QStringLiteral("1 - Raised"), QStringLiteral("2 - Chiseled"),
                  QStringLiteral("3 - Shadowed right"), QStringLiteral("4 - Shadowed left")}));
    addLabel(QStringLiteral("Beve&lSizeDate:"), QRect(124, 34, 52, 10), addEdit(212, QRect(180, 33, 37, 12)));
    addLabel(QStringLiteral("BevelStyle&Cap:"), QRect(2, 49, 53, 10),
             addCombo(206, QRect(58, 48, 66, 53), lowered3));
    addLabel(QStringLiteral("Calendar&Style:"), QRect(127, 49, 49, 10),
             addCombo(214, QRect(180, 48, 66, 58),
                      {QStringLiteral("0 - Normal"), QStringLiteral("1 - Centerfold")}));
    addLabel(QStringLiteral("BevelStyleDa&te:"), QRect(0, 64, 55, 10),
             addCombo(207, QRect(58, 63, 66, 50), lowered3));
    addLabel(QStringLiteral("Title&Height:"), QRect(133, 64, 43, 10), addEdit(209, QRect(180, 63, 37, 12)));
    addLabel(QStringLiteral("Bo&rderStyle:"), QRect(6, 79, 49, 10),
             addCombo(213, QRect(58, 78, 95, 66),
                      {QStringLiteral("0 - None"), QStringLiteral("1 - Single"),
                       QStringLiteral("2 - Round corners")}));
    addCheck(226, QStringLiteral("A&utoSize"), QRect(181, 78, 49, 10));
    addLabel(QStringLiteral("&DividerStyle:"), QRect(5, 94, 50, 10),
             addCombo(204, QRect(58, 93, 95, 57),
                      {QStringLiteral("0 - None"), QStringLiteral("1 - Single (Border color)"),
                       QStringLiteral("2 - Single (Shadow color)"), QStringLiteral("3 - Lowered"),
                       QStringLiteral("4 - Raised")}));
    connect(addButton(228, QStringLiteral("A&bout..."), QRect(187, 92, 55, 15)), &QPushButton::clicked, this,
            [this] { OnAbout(); });
}

void CVxcalndrPropPage::OnAbout() {
    try {
        CVxcalndrCtrl temporary(nullptr, aboutEnv_);
        temporary.dispatchCall(QStringLiteral("AboutBox"));
    } catch (const ole::AutomationError& e) {
        report(e.description()); // a button handler must not let an error escape into the event loop
    }
}

void CVxcalndrPropPage::DoDataExchange(CDataExchange* pDX) {
    loadListsOnce(pDX,
                  {{QStringLiteral("AlignmentConstants"), {203}},
                   {QStringLiteral("DividerStyleConstants"), {204}},
                   {QStringLiteral("ExtBevelStyleConstants"), {205}},
                   {QStringLiteral("BevelStyleConstants"), {207, 206}},
                   {QStringLiteral("WallpaperConstants"), {227}},
                   {QStringLiteral("CalStyleConstants"), {214}},
                   {QStringLiteral("BorderStyleConstants"), {213}}},
                  7);
    ole::DDP_Text(pDX, 208, m_bevelSize, QStringLiteral("BevelSize"));
    ole::DDX_Text(pDX, 208, m_bevelSize);
    ole::DDV_MinMaxInt(pDX, m_bevelSize, 0, 15);
    ole::DDP_CBIndex(pDX, 203, m_alignment, QStringLiteral("Alignment"));
    ole::DDX_CBIndex(pDX, 203, m_alignment);
    ole::DDP_CBIndex(pDX, 205, m_bevelStyle, QStringLiteral("BevelStyle"));
    ole::DDX_CBIndex(pDX, 205, m_bevelStyle);
    ole::DDP_CBIndex(pDX, 206, m_bevelStyleCap, QStringLiteral("BevelStyleCap"));
    ole::DDX_CBIndex(pDX, 206, m_bevelStyleCap);
    ole::DDP_CBIndex(pDX, 207, m_bevelStyleDate, QStringLiteral("BevelStyleDate"));
    ole::DDX_CBIndex(pDX, 207, m_bevelStyleDate);
    ole::DDP_CBIndex(pDX, 213, m_borderStyle, QStringLiteral("BorderStyle"));
    ole::DDX_CBIndex(pDX, 213, m_borderStyle);
    ole::DDP_Text(pDX, 211, m_bevelSizeCap, QStringLiteral("BevelSizeCap"));
    ole::DDX_Text(pDX, 211, m_bevelSizeCap);
    ole::DDP_Text(pDX, 212, m_bevelSizeDate, QStringLiteral("BevelSizeDate"));
    ole::DDX_Text(pDX, 212, m_bevelSizeDate);
    ole::DDP_CBIndex(pDX, 214, m_calendarStyle, QStringLiteral("CalendarStyle"));
    ole::DDX_CBIndex(pDX, 214, m_calendarStyle);
    ole::DDP_CBIndex(pDX, 204, m_dividerStyle, QStringLiteral("DividerStyle"));
    ole::DDX_CBIndex(pDX, 204, m_dividerStyle);
    ole::DDP_CBIndex(pDX, 227, m_wallpaper, QStringLiteral("Wallpaper"));
    ole::DDX_CBIndex(pDX, 227, m_wallpaper);
    ole::DDP_Text(pDX, 209, m_titleHeight, QStringLiteral("TitleHeight"));
    ole::DDX_Text(pDX, 209, m_titleHeight);
    ole::DDP_Check(pDX, 226, m_autoSize, QStringLiteral("Autosize"));
    ole::DDX_Check(pDX, 226, m_autoSize);
    ole::DDP_PostProcessing(pDX);
}

// ---- "Data Settings" ----

CDataPropPage::CDataPropPage(QWidget* parent)
    : CalendarPropPage(1002, QStringLiteral("Data Settings"), parent) {
    addLabel(
        QStringLiteral("DateFormat:"), QRect(15, 7, 49, 10),
        addCombo(219, QRect(68, 6, 99, 57),
                 {QStringLiteral("0 - Normal"), QStringLiteral("1 - Julian"), QStringLiteral("2 - Verbose"),
                  QStringLiteral("3 - Verbose with weekday"), QStringLiteral("4 - General"),
                  QStringLiteral("5 - Long"), QStringLiteral("6 - Medium"), QStringLiteral("7 - Short")}));
    addLabel(QStringLiteral("MultiSelect:"), QRect(15, 22, 49, 10), addCombo(221, QRect(68, 21, 99, 51), {}));
    addCheck(216, QStringLiteral("&CalStatic"), QRect(190, 10, 56, 9));
    addCheck(217, QStringLiteral("&MultiStatic"), QRect(190, 24, 52, 9));
    addLabel(QStringLiteral("LanguageNumber:"), QRect(12, 55, 62, 10), addEdit(223, QRect(77, 54, 37, 12)));
    addLabel(
        QStringLiteral("Language:"), QRect(36, 69, 37, 11),
        addCombo(218, QRect(77, 68, 61, 57),
                 {QStringLiteral("WWW"), QStringLiteral("DAN"), QStringLiteral("DEU"), QStringLiteral("ENG"),
                  QStringLiteral("ENU"), QStringLiteral("ESN"), QStringLiteral("ESP"), QStringLiteral("FIN"),
                  QStringLiteral("FRA"), QStringLiteral("FRC"), QStringLiteral("ISL"), QStringLiteral("ITA"),
                  QStringLiteral("NLD"), QStringLiteral("NOR"), QStringLiteral("PTG"), QStringLiteral("SVE"),
                  QStringLiteral("EPT"), QStringLiteral("SER")},
                 false));
    addLabel(QStringLiteral("Month:"), QRect(163, 55, 28, 10), addEdit(224, QRect(194, 54, 37, 12)));
    addLabel(QStringLiteral("Day:"), QRect(164, 69, 28, 10), addEdit(225, QRect(194, 68, 37, 12)));
    addLabel(QStringLiteral("Year:"), QRect(167, 83, 24, 10), addEdit(214, QRect(193, 82, 37, 12)));
}

void CDataPropPage::DoDataExchange(CDataExchange* pDX) {
    // The Language combo exchanges its text, which must begin with the three-letter language the
    // property holds; the library's member names ("vxLanguageDEU") do not, so that enumeration is
    // counted in the walk but its names are not shown.
    loadListsOnce(pDX,
                  {{QStringLiteral("DateFormatConstants"), {219}},
                   {QStringLiteral("MultiSelectConstants2"), {221}},
                   {QStringLiteral("LanguageStringConstants"), {}, true}},
                  2);
    ole::DDP_CBIndex(pDX, 219, m_dateFormat, QStringLiteral("DateFormat"));
    ole::DDX_CBIndex(pDX, 219, m_dateFormat);
    ole::DDP_Text(pDX, 225, m_day, QStringLiteral("Day"));
    ole::DDX_Text(pDX, 225, m_day);
    ole::DDV_MinMaxInt(pDX, m_day, 1, 31);
    ole::DDP_Text(pDX, 223, m_languageNumber, QStringLiteral("LanguageNumber"));
    ole::DDX_Text(pDX, 223, m_languageNumber);
    ole::DDV_MinMaxInt(pDX, m_languageNumber, 0, 16);
    ole::DDP_Text(pDX, 224, m_month, QStringLiteral("Month"));
    ole::DDX_Text(pDX, 224, m_month);
    ole::DDV_MinMaxInt(pDX, m_month, 1, 12);
    ole::DDP_CBIndex(pDX, 221, m_multiSelect, QStringLiteral("Multiselect"));
    ole::DDX_CBIndex(pDX, 221, m_multiSelect);
    ole::DDP_Text(pDX, 214, m_year, QStringLiteral("Year"));
    ole::DDX_Text(pDX, 214, m_year);
    ole::DDV_MinMaxInt(pDX, m_year, 0, 9999);
    ole::DDP_CBString(pDX, 218, m_language, QStringLiteral("Language"));
    ole::DDX_CBString(pDX, 218, m_language);
    ole::DDP_Check(pDX, 216, m_calStatic, QStringLiteral("CalStatic"));
    ole::DDX_Check(pDX, 216, m_calStatic);
    ole::DDP_Check(pDX, 217, m_multiStatic, QStringLiteral("MultiStatic"));
    ole::DDX_Check(pDX, 217, m_multiStatic);
    ole::DDP_PostProcessing(pDX);
}

std::vector<ole::CLSID> CVxcalndrCtrl::GetPropertyPages() const {
    return {kDisplayPageClsid, kDataPageClsid, ole::CLSID_StockColorPage, ole::CLSID_StockFontPage,
            ole::CLSID_StockPicturePage};
}

std::vector<ole::COleControl::Verb> CVxcalndrCtrl::GetVerbs() const {
    return {{ole::OLEIVERB_PROPERTIES, QStringLiteral("&Properties...")}};
}

std::optional<QString> CVxcalndrCtrl::GetDisplayString(ole::DISPID dispid) {
    // The font page edits the title font; the browser's text for it would only repeat the name.
    if (dispid == ole::DISPID_FONT)
        return std::nullopt;
    return COleControl::GetDisplayString(dispid);
}

} // namespace vxcal
