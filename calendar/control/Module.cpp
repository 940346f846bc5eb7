// The entry points of the calendar module: the class object that creates the control. Registration
// of the module's classes comes with the module's own installation support.
#include "calendar/control/VxcalndrCtrl.h"

#include "ole/ClassFactory.h"
#include "winapi/VersionRecord.h"

VX_VERSION_RECORD(vxcalndrVersion, VX_VERSION_ENTRY("FileVersion", "5.01.00.00")
                                       VX_VERSION_ENTRY("ProductVersion", "5.01.00.00")
                                           VX_VERSION_ENTRY("FileDescription", "Vx3DCalendar")
                                               VX_VERSION_ENTRY("InternalName", "VXCALNDR")
                                                   VX_VERSION_ENTRY("OriginalFilename", "VXCALNDR.DLL")
                                                       VX_VERSION_ENTRY("ProductName", "Tessary 5.01")
                                                           VX_VERSION_ENTRY("Translation", "040904E4"));

namespace vxcal {

namespace {

class CalendarFactory final : public ole::ClassFactory {
public:
    const ole::CLSID& clsid() const override { return kCalendarClsid; }
    const QString& progId() const override { return kCalendarProgId; }
    std::unique_ptr<ole::COleControl> CreateInstance(QWidget* parent) override {
        return std::make_unique<CVxcalndrCtrl>(parent);
    }
};

} // namespace

} // namespace vxcal

extern "C" ole::HRESULT DllGetClassObject(const char* classId, ole::ClassFactory** factory) {
    static vxcal::CalendarFactory calendar; // a module's class objects live as long as the module
    if (!factory)
        return ole::E_FAIL;
    *factory = nullptr;
    const QString id = QString::fromUtf8(classId ? classId : "");
    if (!calendar.matches(id) && id.compare(vxcal::kCalendarClassName, Qt::CaseInsensitive) != 0)
        return ole::CLASS_E_CLASSNOTAVAILABLE;
    *factory = &calendar;
    return ole::S_OK;
}
