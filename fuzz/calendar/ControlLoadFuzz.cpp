// A calendar's stored properties from anywhere (a form file, a document, a hand-edited bag) loaded
// into the control: nothing may escape the load, and what the control stores afterwards must load
// into it again and store the same way. (The bag's own reader has ole_propertybag_fuzz.)
#include "calendar/control/VxcalndrCtrl.h"
#include "ole/AutomationError.h"
#include "ole/PropertyBag.h"
#include "ole/Site.h"
#include "runtime/Clock.h"

#include <QApplication>

#include <cstdint>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>

namespace {

class FuzzIntl final : public vxcal::IntlSettings {
public:
    std::string read(std::string_view, std::string_view def, std::size_t maxChars) const override {
        return std::string(def.substr(0, maxChars));
    }
};

void check(bool ok) {
    if (!ok)
        std::abort();
}

struct Host {
    FuzzIntl intl;
    runtime::FixedClock clock{runtime::localTimePoint(1997, 3, 5, 12)};
    ole::SimpleSite site;
    std::unique_ptr<vxcal::CVxcalndrCtrl> control;
    Host() {
        vxcal::CalendarEnvironment env;
        env.intl = &intl;
        env.clock = &clock;
        env.runModal = [](QDialog&) { return 0; };
        control = std::make_unique<vxcal::CVxcalndrCtrl>(nullptr, env);
        site.set(ole::DISPID_AMBIENT_USERMODE, ole::Variant::fromBool(true));
        control->SetClientSite(&site);
        control->InitNew();
    }
};

Host* host = nullptr;

QByteArray stored(vxcal::CVxcalndrCtrl& control) {
    ole::PropertyBag bag;
    control.Save(bag);
    return bag.save();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ::setenv("LEDGERINE_PROGDIR", VX_FUZZ_BIN_DIR, 1);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv); // lives as long as the process
    host = new Host;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray text(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const ole::BagReadResult read = ole::PropertyBag::load(text);
    if (!read.ok)
        return 0;
    host->control->Load(read.bag);
    const QByteArray first = stored(*host->control);
    host->control->Load(ole::PropertyBag::load(first).bag);
    check(stored(*host->control) == first);
    return 0;
}
