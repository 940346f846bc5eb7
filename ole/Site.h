#pragma once

#include "ole/Types.h"
#include "ole/Variant.h"

#include <optional>
#include <vector>

namespace ole {

// The container's side of a placed control: it answers ambient properties (UserMode, DisplayName,
// BackColor, ...). An ambient the site does not know gives nothing, and the control uses its default.
class ClientSite {
public:
    virtual ~ClientSite() = default;
    virtual std::optional<Variant> ambient(DISPID dispid) const = 0;
};

// IPropertyNotifySink: told after a property changed (DISPID_UNKNOWN, -1, means "all may have").
class PropertyNotifySink {
public:
    virtual ~PropertyNotifySink() = default;
    virtual void OnChanged(DISPID dispid) = 0;
};

// The container's event sink. Arguments passed by reference (KeyAscii, KeyCode) may be changed by
// the handler and the control sees the change.
class EventSink {
public:
    virtual ~EventSink() = default;
    virtual void OnEvent(DISPID dispid, std::vector<Variant>& args) = 0;
};

// A site whose ambients are set by the container program (a map from DISPID to value).
class SimpleSite final : public ClientSite {
public:
    void set(DISPID dispid, const Variant& value);
    void remove(DISPID dispid);
    std::optional<Variant> ambient(DISPID dispid) const override;

private:
    std::vector<std::pair<DISPID, Variant>> values_;
};

} // namespace ole
