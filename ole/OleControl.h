#pragma once

#include "ole/AutomationError.h"
#include "ole/FontHolder.h"
#include "ole/PropExchange.h"
#include "ole/Site.h"
#include "ole/TypeLibrary.h"

#include <QEvent>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace ole {

enum class InvokeKind { PropertyGet, PropertyPut, Method };

// How one member of the dispatch interface is served. A getter or method receives the index or
// method arguments; a setter also receives the new value.
struct DispatchBinding {
    std::function<Variant(const std::vector<Variant>& args)> get;
    std::function<void(const std::vector<Variant>& args, const Variant& value)> put;
    std::function<Variant(std::vector<Variant>& args)> call;
};

// A window message posted to the control's window, delivered later through the event loop.
class WindowMessageEvent : public QEvent {
public:
    static QEvent::Type eventType();
    WindowMessageEvent(unsigned message, std::intptr_t wParam, std::intptr_t lParam)
        : QEvent(eventType()), message(message), wParam(wParam), lParam(lParam) {}
    unsigned message;
    std::intptr_t wParam;
    std::intptr_t lParam;
};

// The base of every control: a QWidget that a container drives through dispatch by DISPID or by
// name, that it keeps in a property bag and whose events it receives. It offers the services the
// classic control framework gave its controls, under the same names.
class COleControl : public QWidget {
    Q_OBJECT
public:
    explicit COleControl(QWidget* parent = nullptr);
    ~COleControl() override;

    // ---- The container's side ----
    virtual const TypeLibrary& typeLibrary() const = 0;
    virtual std::uint32_t GetMiscStatus() const { return 0; }
    // The class IDs of the control's property pages, in the order a property frame shows them.
    virtual std::vector<CLSID> GetPropertyPages() const { return {}; }
    // The verbs a container offers for the control: OLEIVERB_PROPERTIES opens its pages.
    struct Verb {
        int id;
        QString text;
    };
    virtual std::vector<Verb> GetVerbs() const { return {}; }
    // What a property browser shows for a property: by default its value as text; nothing where the
    // control gives no display string (or the property cannot be read now).
    virtual std::optional<QString> GetDisplayString(DISPID dispid);
    // DISPID of a member name (case-insensitive), or nothing.
    std::optional<DISPID> GetIDsOfNames(const QString& name) const;
    // The dispatch boundary: every error becomes a status and, for a raised error, its exception
    // information. DISPID 0 stands for the interface's default member.
    HRESULT Invoke(DISPID dispid, InvokeKind kind, std::vector<Variant>& args, Variant* result,
                   ExcepInfo* excepInfo);
    // Conveniences for containers: by name, raising AutomationError as a script host reports it.
    Variant dispatchGet(const QString& name, std::vector<Variant> index = {});
    void dispatchPut(const QString& name, const Variant& value, std::vector<Variant> index = {});
    Variant dispatchCall(const QString& name, std::vector<Variant> args = {});

    void SetClientSite(ClientSite* site);
    ClientSite* GetClientSite() const { return site_; }
    // The container tells the control that an ambient changed (DISPID_UNKNOWN: all of them).
    void AmbientPropertyChanged(DISPID dispid);
    void AdvisePropertyNotify(PropertyNotifySink* sink);
    void UnadvisePropertyNotify(PropertyNotifySink* sink);
    void AdviseEvents(EventSink* sink);
    void UnadviseEvents(EventSink* sink);

    // Persistence: a new control takes its defaults; load and save go through DoPropExchange.
    void InitNew();
    void Load(const PropertyBag& bag);
    void Save(PropertyBag& bag, bool clearDirty = true);
    bool IsModified() const { return modified_; }

    // Messages posted to the control's window arrive through the event loop.
    void PostMessage(unsigned message, std::intptr_t wParam = 0, std::intptr_t lParam = 0);

    // ---- Services for the control ----
    bool AmbientUserMode() const;
    QString AmbientDisplayName() const;
    OLE_COLOR AmbientBackColor() const;
    OLE_COLOR AmbientForeColor() const;
    bool GetAmbientProperty(DISPID dispid, Variant& value) const;
    void SetModifiedFlag(bool modified = true);
    void InvalidateControl(const QRect* rect = nullptr, bool erase = true);
    void BoundPropertyChanged(DISPID dispid);
    void FireEvent(DISPID dispid, std::vector<Variant>& args);
    void FireEvent(DISPID dispid);
    bool SetControlSize(int cx, int cy);
    CFontHolder& InternalGetFont() { return font_; }
    void SetText(const QString& text);
    const QString& InternalGetText() const { return caption_; }
    void EnableSimpleFrame() { simpleFrame_ = true; }
    bool isSimpleFrame() const { return simpleFrame_; }
    void InitializeIIDs(const IID* dispatchIid, const IID* eventsIid);
    const IID& dispatchIid() const { return dispatchIid_; }
    const IID& eventsIid() const { return eventsIid_; }
    [[noreturn]] void ThrowError(SCODE scode, const QString& description, int helpContext = -1);
    [[noreturn]] void GetNotSupported();
    [[noreturn]] void SetNotSupported();

    // Stock properties.
    OLE_COLOR GetBackColor() const { return backColor_; }
    void SetBackColor(OLE_COLOR c);
    OLE_COLOR GetForeColor() const { return foreColor_; }
    void SetForeColor(OLE_COLOR c);
    bool GetEnabled() const { return enabled_; }
    void SetEnabled(bool e);

Q_SIGNALS:
    // Every property-change notification, as the sinks receive it.
    void propertyNotified(int dispid);
    // Every fired event, after the sinks have seen it.
    void eventFired(int dispid);

protected:
    // The control's part of persistence; the base exchanges the stock properties.
    virtual void DoPropExchange(CPropExchange* pPX);
    void ExchangeStockProps(CPropExchange* pPX);
    virtual void OnResetState();
    virtual void OnAmbientPropertyChange(DISPID) {}
    virtual void OnBackColorChanged() {}
    virtual void OnFontChanged() { InvalidateControl(); }
    // Paints the control into bounds.
    virtual void OnDraw(QPainter* painter, const QRect& bounds, const QRect& invalid);
    // A posted message; false lets nothing else happen.
    virtual bool OnWindowMessage(unsigned message, std::intptr_t wParam, std::intptr_t lParam);

    void bind(DISPID dispid, DispatchBinding binding);

    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    // The stock mouse and key events.
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;

    std::vector<Variant> mouseArgs(const QMouseEvent* e) const;

private:
    const DispatchBinding* binding(DISPID dispid) const;
    Variant invokeChecked(const MemberInfo& member, InvokeKind kind, std::vector<Variant>& args);
    Variant dispatchByName(const QString& name, InvokeKind kind, std::vector<Variant>& args);

    ClientSite* site_ = nullptr;
    std::vector<PropertyNotifySink*> notifySinks_;
    std::vector<EventSink*> eventSinks_;
    std::vector<std::pair<DISPID, DispatchBinding>> bindings_;
    CFontHolder font_;
    QString caption_;
    OLE_COLOR backColor_ = 0x8000000F;
    OLE_COLOR foreColor_ = 0x80000012;
    bool enabled_ = true;
    bool modified_ = false;
    bool simpleFrame_ = false;
    IID dispatchIid_;
    IID eventsIid_;
};

// The Windows virtual-key code of a key event (VK_LEFT is 0x25, ...); 0 for keys without one.
short virtualKey(const QKeyEvent* e);
// Shift state of the stock mouse and key events (1 Shift, 2 Ctrl, 4 Alt).
short shiftState(Qt::KeyboardModifiers m);

} // namespace ole
