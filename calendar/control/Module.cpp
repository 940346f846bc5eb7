// The entry points of the calendar module: the class objects of the control and its two pages,
// self-registration, unloading and the font-enumeration callback.
#include "calendar/control/EnumFont.h"
#include "calendar/control/VxcalndrCtrl.h"
#include "calendar/control/VxcalndrPropPage.h"

#include "ole/ClassFactory.h"
#include "ole/Registry.h"
#include "winapi/Profile.h"
#include "winapi/VersionRecord.h"

#include <atomic>
#include <cstring>

VX_VERSION_RECORD(vxcalndrVersion, VX_VERSION_ENTRY("FileVersion", "5.01.00.00")
                                       VX_VERSION_ENTRY("ProductVersion", "5.01.00.00")
                                           VX_VERSION_ENTRY("FileDescription", "Vx3DCalendar")
                                               VX_VERSION_ENTRY("InternalName", "VXCALNDR")
                                                   VX_VERSION_ENTRY("OriginalFilename", "VXCALNDR.DLL")
                                                       VX_VERSION_ENTRY("ProductName", "Tessary 5.01")
                                                           VX_VERSION_ENTRY("Translation", "040904E4"));

namespace vxcal {

namespace {

// The module's registered strings.
const QString kControlTypeName = QStringLiteral("Quorvane Vx3dCalendar Control");    // 901
const QString kDisplayPageTypeName = QStringLiteral("Vx3dCalendar Property Page");   // 902
const QString kDataPageTypeName = QStringLiteral("Vx3dCalendar Data Property Page"); // 905
constexpr int kToolboxBitmap = 2001;
constexpr std::uint32_t kMiscStatus = 197009;

// Objects made by the module's factories and still alive: the module may unload only at 0.
std::atomic<int> g_liveObjects{0};

template <typename T> std::unique_ptr<T> counted(std::unique_ptr<T> object) {
    ++g_liveObjects;
    QObject::connect(object.get(), &QObject::destroyed, [] { --g_liveObjects; });
    return object;
}

QString modulePath() {
    return ole::moduleFileNameOf(reinterpret_cast<const void*>(&modulePath));
}

class CalendarFactory final : public ole::ClassFactory {
public:
    const ole::CLSID& clsid() const override { return kCalendarClsid; }
    const QString& progId() const override { return kCalendarProgId; }
    std::unique_ptr<ole::COleControl> CreateInstance(QWidget* parent) override {
        return counted<ole::COleControl>(std::make_unique<CVxcalndrCtrl>(parent));
    }
    bool UpdateRegistry(bool bRegister) override {
        // The old registration goes first, so registering again leaves one consistent set.
        const bool removed = ole::AfxOleUnregisterClass(kCalendarClsid, kCalendarProgId);
        if (!bRegister)
            return ole::AfxOleUnregisterClass(kCalendarClsid, kCalendarProgId);
        if (!removed)
            return false;
        return ole::AfxOleRegisterControlClass(modulePath(),
                                               {kCalendarClsid, kCalendarProgId, kControlTypeName,
                                                kToolboxBitmap, 0, kMiscStatus, kTypeLibId, 1, 0});
    }
};

class DisplayPageFactory final : public ole::ClassFactory {
public:
    const ole::CLSID& clsid() const override { return kDisplayPageClsid; }
    const QString& progId() const override { return kDisplayPageProgId; }
    std::unique_ptr<ole::COleControl> CreateInstance(QWidget*) override { return nullptr; }
    std::unique_ptr<ole::COlePropertyPage> CreatePropertyPage(QWidget* parent) override {
        return counted<ole::COlePropertyPage>(std::make_unique<CVxcalndrPropPage>(parent));
    }
    bool UpdateRegistry(bool bRegister) override {
        const bool removed = ole::AfxOleUnregisterClass(kDisplayPageClsid, {});
        if (!bRegister)
            return ole::AfxOleUnregisterClass(kDisplayPageClsid, {});
        return removed &&
               ole::AfxOleRegisterPropertyPageClass(modulePath(), kDisplayPageClsid, kDisplayPageTypeName);
    }
};

class DataPageFactory final : public ole::ClassFactory {
public:
    const ole::CLSID& clsid() const override { return kDataPageClsid; }
    const QString& progId() const override { return kDataPageFactoryName; }
    std::unique_ptr<ole::COleControl> CreateInstance(QWidget*) override { return nullptr; }
    std::unique_ptr<ole::COlePropertyPage> CreatePropertyPage(QWidget* parent) override {
        return counted<ole::COlePropertyPage>(std::make_unique<CDataPropPage>(parent));
    }
    bool UpdateRegistry(bool bRegister) override {
        if (bRegister)
            return ole::AfxOleRegisterPropertyPageClass(modulePath(), kDataPageClsid, kDataPageTypeName);
        return ole::AfxOleUnregisterClass(kDataPageClsid, {});
    }
};

// A module's class objects live as long as the module, in the order registration runs them.
ole::ClassFactory* const* factories() {
    static CalendarFactory calendar;
    static DisplayPageFactory display;
    static DataPageFactory data;
    static ole::ClassFactory* const all[] = {&calendar, &display, &data, nullptr};
    return all;
}

ole::HRESULT updateFactories(bool bRegister) {
    for (auto f = factories(); *f; ++f)
        if (!(*f)->UpdateRegistry(bRegister))
            return ole::SELFREG_E_CLASS;
    return ole::S_OK;
}

} // namespace

} // namespace vxcal

extern "C" ole::HRESULT DllGetClassObject(const char* classId, ole::ClassFactory** factory) {
    if (!factory)
        return ole::E_FAIL;
    *factory = nullptr;
    const QString id = QString::fromUtf8(classId ? classId : "");
    for (auto f = vxcal::factories(); *f; ++f) {
        if ((*f)->matches(id) || ((*f)->clsid() == vxcal::kCalendarClsid &&
                                  id.compare(vxcal::kCalendarClassName, Qt::CaseInsensitive) == 0)) {
            *factory = *f;
            return ole::S_OK;
        }
    }
    return ole::CLASS_E_CLASSNOTAVAILABLE;
}

extern "C" ole::HRESULT DllRegisterServer() {
    char helpDir[260] = {};
    winapi::GetPrivateProfileStringA("Files", "OLEVBREF.HLP", "", helpDir, sizeof helpDir, "WINHELP.INI");
    if (!ole::RegisterTypeLib(vxcal::calendarTypeLibrary(), vxcal::modulePath(),
                              QString::fromLatin1(helpDir)))
        return ole::SELFREG_E_TYPELIB;
    return vxcal::updateFactories(true);
}

extern "C" ole::HRESULT DllUnregisterServer() {
    const ole::TypeLibrary& lib = vxcal::calendarTypeLibrary();
    if (!ole::UnRegisterTypeLib(lib.libid, lib.majorVersion, lib.minorVersion))
        return ole::SELFREG_E_TYPELIB;
    return vxcal::updateFactories(false);
}

extern "C" ole::HRESULT DllCanUnloadNow() {
    return vxcal::g_liveObjects.load() == 0 ? ole::S_OK : ole::S_FALSE;
}

// The type library resource "TYPELIB" 1.
extern "C" const ole::TypeLibrary* VxTypeLibResource(int id) {
    return id == 1 ? &vxcal::calendarTypeLibrary() : nullptr;
}

extern "C" int EnumFontforCal(const LOGFONTA* logFont, const void*, std::uint32_t, std::intptr_t userData) {
    if (logFont && userData)
        std::memcpy(reinterpret_cast<LOGFONTA*>(userData), logFont, sizeof(LOGFONTA));
    return 0;
}
