#pragma once

#include "calendar/control/VxcalndrCtrl.h"
#include "ole/PropertyPage.h"

#include <functional>
#include <map>
#include <memory>
#include <vector>

namespace vxcal {

// Identities and texts of the calendar's pages.
inline const ole::CLSID kDisplayPageClsid{QStringLiteral("{0A9F72E4-91CE-101B-AFF8-00AA003E1700}")};
inline const ole::CLSID kDataPageClsid{QStringLiteral("{0C1C49DA-A233-101B-AFF8-00AA003E1700}")};
inline const QString kDisplayPageProgId = QStringLiteral("VXCALNDR.VxcalndrPropPage.1");
inline const QString kDataPageFactoryName = QStringLiteral("CDataPropPage0.CDataPropPage");

// The type library the pages build their lists from; null keeps the lists stored with the dialogs.
using TypeLibLoader = std::function<std::shared_ptr<const ole::TypeLibrary>()>;
// The library held by this module's own file.
std::shared_ptr<const ole::TypeLibrary> loadOwnTypeLibrary();

// What both calendar pages share: the one-time refill of combo boxes from the type library and the
// surroundings of the About box's temporary control.
class CalendarPropPage : public ole::COlePropertyPage {
    Q_OBJECT
public:
    using COlePropertyPage::COlePropertyPage;
    void setTypeLibLoader(TypeLibLoader loader) { loader_ = std::move(loader); }
    bool listsLoaded() const { return listsLoaded_; }

protected:
    struct ListTarget {
        QString enumName;
        std::vector<int> combos;
        bool namesOnly = false;
    };
    // At the first loading exchange only: walks the library's enumerations in order, refilling
    // the targets' combos, until `counter` of the names have been found.
    void loadListsOnce(ole::CDataExchange* pDX, const std::vector<ListTarget>& targets, int counter);

private:
    TypeLibLoader loader_ = loadOwnTypeLibrary;
    bool listsLoaded_ = false;
};

// "Display Settings": the look of the control.
class CVxcalndrPropPage : public CalendarPropPage {
    Q_OBJECT
public:
    explicit CVxcalndrPropPage(QWidget* parent = nullptr, CalendarEnvironment aboutEnv = {});
    // The About button: a temporary control shows its About box, so it works without a selection.
    void OnAbout();

protected:
    void DoDataExchange(ole::CDataExchange* pDX) override;

private:
    CalendarEnvironment aboutEnv_;
    int m_alignment = 0, m_bevelSize = 0, m_wallpaper = 0, m_bevelSizeCap = 0, m_bevelStyle = 0,
        m_bevelSizeDate = 0, m_bevelStyleCap = 0, m_calendarStyle = 0, m_bevelStyleDate = 0,
        m_titleHeight = 0, m_borderStyle = 0, m_autoSize = 0, m_dividerStyle = 0;
};

// "Data Settings": date, selection and language.
class CDataPropPage : public CalendarPropPage {
    Q_OBJECT
public:
    explicit CDataPropPage(QWidget* parent = nullptr);

protected:
    void DoDataExchange(ole::CDataExchange* pDX) override;

private:
    int m_dateFormat = 0, m_multiSelect = 0, m_calStatic = 0, m_multiStatic = 0, m_languageNumber = 0,
        m_month = 0, m_day = 0, m_year = 0;
    QString m_language;
};

} // namespace vxcal
