#pragma once

#include "calendar/MapIntl.h"
#include "calendar/control/VxcalndrCtrl.h"
#include "runtime/Clock.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

// A container for one calendar: it answers the ambients, records notifications and events, and
// drives the control only through its dispatch interface. The clock stands at 5 March 1997, noon.
class CalendarHost : public ole::PropertyNotifySink, public ole::EventSink {
public:
    explicit CalendarHost(const QByteArray& localeModule = "VXLOCALE") {
        const char* bin = std::getenv("VX_BIN_DIR");
        ::setenv("LEDGERINE_PROGDIR", bin ? bin : VX_BUILD_BIN_DIR, 1);
        vxcal::CalendarEnvironment env;
        env.intl = &intl;
        env.clock = &clock;
        env.localeModule = localeModule;
        env.runModal = [this](QDialog&) {
            ++modalRuns;
            return 0;
        };
        control = std::make_unique<vxcal::CVxcalndrCtrl>(nullptr, env);
        site.set(ole::DISPID_AMBIENT_USERMODE, ole::Variant::fromBool(true));
        site.set(ole::DISPID_AMBIENT_DISPLAYNAME, ole::Variant::fromString(QStringLiteral("Calendar1")));
        control->SetClientSite(&site);
        control->InitNew();
        control->AdvisePropertyNotify(this);
        control->AdviseEvents(this);
    }
    ~CalendarHost() override {
        control->UnadvisePropertyNotify(this);
        control->UnadviseEvents(this);
    }

    void setUserMode(bool run) {
        site.set(ole::DISPID_AMBIENT_USERMODE, ole::Variant::fromBool(run));
        control->AmbientPropertyChanged(ole::DISPID_AMBIENT_USERMODE);
    }
    ole::Variant get(const QString& name, std::vector<ole::Variant> index = {}) {
        return control->dispatchGet(name, std::move(index));
    }
    void put(const QString& name, const ole::Variant& v, std::vector<ole::Variant> index = {}) {
        control->dispatchPut(name, v, std::move(index));
    }
    // The error a call raises; a call that succeeds fails the test.
    template <typename F> ole::AutomationError errorOf(F&& call) {
        try {
            call();
        } catch (const ole::AutomationError& e) {
            return e;
        }
        ADD_FAILURE() << "no error raised";
        return ole::AutomationError(0, {});
    }
    // Paints the control as a visible container would and delivers its posted messages.
    void paint() {
        control->resize(200, 160);
        control->grab();
        QCoreApplication::sendPostedEvents(control.get());
    }

    void OnChanged(ole::DISPID dispid) override { changes.push_back(dispid); }
    void OnEvent(ole::DISPID dispid, std::vector<ole::Variant>&) override { events.push_back(dispid); }

    runtime::FixedClock clock{runtime::localTimePoint(1997, 3, 5, 12)};
    MapIntl intl;
    ole::SimpleSite site;
    std::unique_ptr<vxcal::CVxcalndrCtrl> control;
    std::vector<ole::DISPID> changes;
    std::vector<ole::DISPID> events;
    int modalRuns = 0;
};

// Sets one locale variable for the life of a scope (the locale module reads the system language
// from the environment).
class ScopedLocale {
public:
    explicit ScopedLocale(const char* value) {
        if (const char* old = std::getenv("LC_ALL"))
            old_ = old;
        ::setenv("LC_ALL", value, 1);
    }
    ~ScopedLocale() {
        if (old_.empty())
            ::unsetenv("LC_ALL");
        else
            ::setenv("LC_ALL", old_.c_str(), 1);
    }

private:
    std::string old_;
};
