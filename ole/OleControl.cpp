#include "ole/OleControl.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace ole {

namespace {

// The standard font of a control without an ambient font.
FONTDESC standardFont() {
    return FONTDESC{};
}

// A stored extent is outside data: a control larger than any screen is a damaged value.
constexpr double kMaxExtentPixels = 4096;

double screenDpi() {
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        if (const QScreen* s = QGuiApplication::primaryScreen())
            return s->logicalDotsPerInchX();
    return 96.0;
}

} // namespace

void SimpleSite::set(DISPID dispid, const Variant& value) {
    remove(dispid);
    values_.emplace_back(dispid, value);
}

void SimpleSite::remove(DISPID dispid) {
    std::erase_if(values_, [dispid](const auto& p) { return p.first == dispid; });
}

std::optional<Variant> SimpleSite::ambient(DISPID dispid) const {
    for (const auto& [id, v] : values_)
        if (id == dispid)
            return v;
    return std::nullopt;
}

QEvent::Type WindowMessageEvent::eventType() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

short virtualKey(const QKeyEvent* e) {
    if (e->nativeVirtualKey() != 0)
        return static_cast<short>(e->nativeVirtualKey());
    const int k = e->key();
    if ((k >= Qt::Key_0 && k <= Qt::Key_9) || (k >= Qt::Key_A && k <= Qt::Key_Z) || k == Qt::Key_Space)
        return static_cast<short>(k);
    if (k >= Qt::Key_F1 && k <= Qt::Key_F24)
        return static_cast<short>(0x70 + (k - Qt::Key_F1));
    static constexpr std::pair<int, short> kKeys[] = {
        {Qt::Key_Backspace, 0x08}, {Qt::Key_Tab, 0x09},      {Qt::Key_Return, 0x0D}, {Qt::Key_Enter, 0x0D},
        {Qt::Key_Shift, 0x10},     {Qt::Key_Control, 0x11},  {Qt::Key_Alt, 0x12},    {Qt::Key_Escape, 0x1B},
        {Qt::Key_PageUp, 0x21},    {Qt::Key_PageDown, 0x22}, {Qt::Key_End, 0x23},    {Qt::Key_Home, 0x24},
        {Qt::Key_Left, 0x25},      {Qt::Key_Up, 0x26},       {Qt::Key_Right, 0x27},  {Qt::Key_Down, 0x28},
        {Qt::Key_Insert, 0x2D},    {Qt::Key_Delete, 0x2E},
    };
    for (const auto& [qt, vk] : kKeys)
        if (qt == k)
            return vk;
    return 0;
}

short shiftState(Qt::KeyboardModifiers m) {
    return static_cast<short>((m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) |
                              (m & Qt::AltModifier ? 4 : 0));
}

COleControl::COleControl(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    font_.setNotify([this] { OnFontChanged(); });
    const FONTDESC desc = standardFont();
    font_.InitializeFont(&desc);

    bind(DISPID_BACKCOLOR, {[this](const auto&) { return Variant::fromColor(backColor_); },
                            [this](const auto&, const Variant& v) { SetBackColor(v.toColor()); },
                            {}});
    bind(DISPID_FORECOLOR, {[this](const auto&) { return Variant::fromColor(foreColor_); },
                            [this](const auto&, const Variant& v) { SetForeColor(v.toColor()); },
                            {}});
    bind(DISPID_ENABLED, {[this](const auto&) { return Variant::fromBool(enabled_); },
                          [this](const auto&, const Variant& v) { SetEnabled(v.toBool()); },
                          {}});
    bind(DISPID_CAPTION, {[this](const auto&) { return Variant::fromString(caption_); },
                          [this](const auto&, const Variant& v) { SetText(v.toString()); },
                          {}});
    bind(DISPID_FONT, {[this](const auto&) { return Variant::fromFont(font_.GetFontDispatch()); },
                       [this](const auto&, const Variant& v) {
                           const FONTDESC d = standardFont();
                           font_.InitializeFont(&d, v.toFont());
                           SetModifiedFlag();
                           OnFontChanged();
                           BoundPropertyChanged(DISPID_FONT);
                       },
                       {}});
    bind(DISPID_HWND, {[this](const auto&) {
                           return Variant::fromLong(static_cast<std::int32_t>(effectiveWinId() & 0x7FFFFFFF));
                       },
                       {},
                       {}});
    bind(DISPID_REFRESH, {{}, {}, [this](auto&) {
                              repaint();
                              return Variant();
                          }});
}

COleControl::~COleControl() = default;

void COleControl::bind(DISPID dispid, DispatchBinding b) {
    for (auto& [id, existing] : bindings_)
        if (id == dispid) {
            existing = std::move(b);
            return;
        }
    bindings_.emplace_back(dispid, std::move(b));
}

const DispatchBinding* COleControl::binding(DISPID dispid) const {
    for (const auto& [id, b] : bindings_)
        if (id == dispid)
            return &b;
    return nullptr;
}

std::optional<DISPID> COleControl::GetIDsOfNames(const QString& name) const {
    if (const MemberInfo* m = typeLibrary().dispatch.find(name))
        return m->dispid;
    return std::nullopt;
}

Variant COleControl::invokeChecked(const MemberInfo& member, InvokeKind kind, std::vector<Variant>& args) {
    const DispatchBinding* b = binding(member.dispid);
    if (!b)
        throw AutomationError(DISP_E_MEMBERNOTFOUND, QStringLiteral("Member not found"));
    if (member.kind == MemberKind::Method) {
        if (kind == InvokeKind::PropertyPut || !b->call)
            throw AutomationError(DISP_E_MEMBERNOTFOUND, QStringLiteral("Member not found"));
        if (args.size() != member.params.size())
            throw AutomationError(DISP_E_BADPARAMCOUNT, QStringLiteral("Invalid number of parameters"));
        return b->call(args);
    }
    // A property: the index (if any) comes first, then for a put the new value last.
    const std::size_t indexCount = member.indexed ? 1 : 0;
    const std::size_t expected = indexCount + (kind == InvokeKind::PropertyPut ? 1 : 0);
    if (args.size() != expected)
        throw AutomationError(DISP_E_BADPARAMCOUNT, QStringLiteral("Invalid number of parameters"));
    if (kind == InvokeKind::PropertyPut) {
        if (!b->put) // a read-only member may bind a put that raises the control's own error
            SetNotSupported();
        const std::vector<Variant> index(args.begin(),
                                         args.begin() + static_cast<std::ptrdiff_t>(indexCount));
        b->put(index, args.back());
        return {};
    }
    if (!b->get)
        GetNotSupported();
    return b->get(args);
}

std::optional<QString> COleControl::GetDisplayString(DISPID dispid) {
    std::vector<Variant> none;
    Variant value;
    if (Invoke(dispid, InvokeKind::PropertyGet, none, &value, nullptr) != S_OK)
        return std::nullopt;
    return value.display();
}

HRESULT COleControl::Invoke(DISPID dispid, InvokeKind kind, std::vector<Variant>& args, Variant* result,
                            ExcepInfo* excepInfo) {
    const InterfaceInfo& iface = typeLibrary().dispatch;
    if (dispid == DISPID_VALUE && !iface.find(DISPID_VALUE))
        dispid = iface.defaultMember;
    const MemberInfo* member = iface.find(dispid);
    if (!member)
        return DISP_E_MEMBERNOTFOUND;
    auto fail = [&](SCODE scode, const QString& text) {
        if (excepInfo)
            *excepInfo = ExcepInfo{scode, text, typeLibrary().coclass.progId, 0};
        return DISP_E_EXCEPTION;
    };
    try {
        Variant v = invokeChecked(*member, kind, args);
        if (result)
            *result = std::move(v);
        return S_OK;
    } catch (const AutomationError& e) {
        if (e.scode() == DISP_E_MEMBERNOTFOUND || e.scode() == DISP_E_BADPARAMCOUNT)
            return e.scode();
        if (excepInfo)
            *excepInfo = ExcepInfo{e.scode(), e.description(), typeLibrary().coclass.progId, e.helpContext()};
        return DISP_E_EXCEPTION;
    } catch (const std::exception& e) {
        return fail(E_FAIL, QString::fromLocal8Bit(e.what()));
    } catch (...) {
        return fail(E_FAIL, QStringLiteral("Unexpected failure"));
    }
}

Variant COleControl::dispatchByName(const QString& name, InvokeKind kind, std::vector<Variant>& args) {
    const auto id = GetIDsOfNames(name);
    if (!id)
        throw AutomationError(DISP_E_UNKNOWNNAME,
                              QStringLiteral("Object doesn't support this property or method: %1").arg(name));
    Variant result;
    ExcepInfo excep;
    const HRESULT hr = Invoke(*id, kind, args, &result, &excep);
    if (hr == DISP_E_EXCEPTION)
        throw AutomationError(excep.scode, excep.description, excep.helpContext);
    if (hr == DISP_E_BADPARAMCOUNT)
        throw AutomationError(hr, QStringLiteral("Wrong number of arguments or invalid property assignment"));
    if (hr != S_OK)
        throw AutomationError(hr,
                              QStringLiteral("Object doesn't support this property or method: %1").arg(name));
    return result;
}

Variant COleControl::dispatchGet(const QString& name, std::vector<Variant> index) {
    return dispatchByName(name, InvokeKind::PropertyGet, index);
}

void COleControl::dispatchPut(const QString& name, const Variant& value, std::vector<Variant> index) {
    index.push_back(value);
    dispatchByName(name, InvokeKind::PropertyPut, index);
}

Variant COleControl::dispatchCall(const QString& name, std::vector<Variant> args) {
    return dispatchByName(name, InvokeKind::Method, args);
}

void COleControl::SetClientSite(ClientSite* site) {
    site_ = site;
    AmbientPropertyChanged(DISPID_UNKNOWN);
}

void COleControl::AmbientPropertyChanged(DISPID dispid) {
    OnAmbientPropertyChange(dispid);
    InvalidateControl();
}

void COleControl::AdvisePropertyNotify(PropertyNotifySink* sink) {
    if (sink && std::find(notifySinks_.begin(), notifySinks_.end(), sink) == notifySinks_.end())
        notifySinks_.push_back(sink);
}

void COleControl::UnadvisePropertyNotify(PropertyNotifySink* sink) {
    std::erase(notifySinks_, sink);
}

void COleControl::AdviseEvents(EventSink* sink) {
    if (sink && std::find(eventSinks_.begin(), eventSinks_.end(), sink) == eventSinks_.end())
        eventSinks_.push_back(sink);
}

void COleControl::UnadviseEvents(EventSink* sink) {
    std::erase(eventSinks_, sink);
}

void COleControl::InitNew() {
    OnResetState();
    modified_ = false;
    InvalidateControl();
}

void COleControl::Load(const PropertyBag& bag) {
    PropertyBag copy = bag; // exchange functions take a mutable bag; loading never changes it
    CPropExchange px(CPropExchange::Mode::Load, &copy);
    DoPropExchange(&px);
    modified_ = false;
    InvalidateControl();
}

void COleControl::Save(PropertyBag& bag, bool clearDirty) {
    CPropExchange px(CPropExchange::Mode::Save, &bag);
    DoPropExchange(&px);
    if (clearDirty)
        modified_ = false;
}

void COleControl::PostMessage(unsigned message, std::intptr_t wParam, std::intptr_t lParam) {
    QCoreApplication::postEvent(this, new WindowMessageEvent(message, wParam, lParam));
}

bool COleControl::GetAmbientProperty(DISPID dispid, Variant& value) const {
    if (!site_)
        return false;
    const auto v = site_->ambient(dispid);
    if (!v)
        return false;
    value = *v;
    return true;
}

bool COleControl::AmbientUserMode() const {
    Variant v;
    try {
        return GetAmbientProperty(DISPID_AMBIENT_USERMODE, v) ? v.toBool() : true;
    } catch (const AutomationError&) {
        return true;
    }
}

QString COleControl::AmbientDisplayName() const {
    Variant v;
    try {
        return GetAmbientProperty(DISPID_AMBIENT_DISPLAYNAME, v) ? v.toString() : QString();
    } catch (const AutomationError&) {
        return {};
    }
}

OLE_COLOR COleControl::AmbientBackColor() const {
    Variant v;
    try {
        return GetAmbientProperty(DISPID_AMBIENT_BACKCOLOR, v) ? v.toColor() : 0x8000000F;
    } catch (const AutomationError&) {
        return 0x8000000F;
    }
}

OLE_COLOR COleControl::AmbientForeColor() const {
    Variant v;
    try {
        return GetAmbientProperty(DISPID_AMBIENT_FORECOLOR, v) ? v.toColor() : 0x80000012;
    } catch (const AutomationError&) {
        return 0x80000012;
    }
}

void COleControl::SetModifiedFlag(bool modified) {
    modified_ = modified;
}

void COleControl::InvalidateControl(const QRect* rect, bool) {
    if (rect)
        update(*rect);
    else
        update();
}

void COleControl::BoundPropertyChanged(DISPID dispid) {
    const auto sinks = notifySinks_; // a sink may unadvise itself while being told
    for (PropertyNotifySink* s : sinks)
        s->OnChanged(dispid);
    Q_EMIT propertyNotified(dispid);
}

void COleControl::FireEvent(DISPID dispid, std::vector<Variant>& args) {
    const auto sinks = eventSinks_;
    for (EventSink* s : sinks)
        s->OnEvent(dispid, args);
    Q_EMIT eventFired(dispid);
}

void COleControl::FireEvent(DISPID dispid) {
    std::vector<Variant> none;
    FireEvent(dispid, none);
}

bool COleControl::SetControlSize(int cx, int cy) {
    if (cx < 0 || cy < 0)
        return false;
    resize(cx, cy);
    return true;
}

void COleControl::SetText(const QString& text) {
    caption_ = text;
    SetModifiedFlag();
    InvalidateControl();
    BoundPropertyChanged(DISPID_CAPTION);
}

void COleControl::InitializeIIDs(const IID* dispatchIid, const IID* eventsIid) {
    if (dispatchIid)
        dispatchIid_ = *dispatchIid;
    if (eventsIid)
        eventsIid_ = *eventsIid;
}

void COleControl::ThrowError(SCODE scode, const QString& description, int helpContext) {
    throw AutomationError(scode, description, helpContext);
}

void COleControl::GetNotSupported() {
    throwStandardError(CTL_E_GETNOTSUPPORTED);
}

void COleControl::SetNotSupported() {
    throwStandardError(CTL_E_SETNOTSUPPORTED);
}

void COleControl::SetBackColor(OLE_COLOR c) {
    backColor_ = c;
    OnBackColorChanged();
    SetModifiedFlag();
    InvalidateControl();
    BoundPropertyChanged(DISPID_BACKCOLOR);
}

void COleControl::SetForeColor(OLE_COLOR c) {
    foreColor_ = c;
    SetModifiedFlag();
    InvalidateControl();
    BoundPropertyChanged(DISPID_FORECOLOR);
}

void COleControl::SetEnabled(bool e) {
    enabled_ = e;
    setEnabled(e);
    SetModifiedFlag();
    InvalidateControl();
    BoundPropertyChanged(DISPID_ENABLED);
}

void COleControl::DoPropExchange(CPropExchange* pPX) {
    ExchangeStockProps(pPX);
}

void COleControl::ExchangeStockProps(CPropExchange* pPX) {
    // The extent in HIMETRIC, as containers size a control from its storage.
    const double dpi = screenDpi();
    std::int32_t cx = static_cast<std::int32_t>(std::lround(width() * 2540.0 / dpi));
    std::int32_t cy = static_cast<std::int32_t>(std::lround(height() * 2540.0 / dpi));
    const bool gotX = PX_Long(pPX, QStringLiteral("_ExtentX"), cx);
    const bool gotY = PX_Long(pPX, QStringLiteral("_ExtentY"), cy);
    if (pPX->IsLoading() && gotX && gotY)
        SetControlSize(static_cast<int>(std::lround(std::clamp(cx * dpi / 2540.0, 0.0, kMaxExtentPixels))),
                       static_cast<int>(std::lround(std::clamp(cy * dpi / 2540.0, 0.0, kMaxExtentPixels))));
    PX_String(pPX, QStringLiteral("Caption"), caption_, QString());
    PX_Color(pPX, QStringLiteral("ForeColor"), foreColor_, AmbientForeColor());
    PX_Color(pPX, QStringLiteral("BackColor"), backColor_, AmbientBackColor());
    std::int32_t enabled = enabled_ ? -1 : 0;
    PX_Bool(pPX, QStringLiteral("Enabled"), enabled, true);
    enabled_ = enabled != 0;
    setEnabled(enabled_);
    const FONTDESC desc = standardFont();
    PX_Font(pPX, QStringLiteral("Font"), font_, &desc);
    if (pPX->IsLoading())
        OnBackColorChanged();
}

void COleControl::OnResetState() {
    CPropExchange px(CPropExchange::Mode::Reset, nullptr);
    DoPropExchange(&px);
}

void COleControl::OnDraw(QPainter* painter, const QRect& bounds, const QRect&) {
    painter->fillRect(bounds, palette().window());
}

bool COleControl::OnWindowMessage(unsigned, std::intptr_t, std::intptr_t) {
    return false;
}

bool COleControl::event(QEvent* e) {
    if (e->type() == WindowMessageEvent::eventType()) {
        const auto* m = static_cast<WindowMessageEvent*>(e);
        OnWindowMessage(m->message, m->wParam, m->lParam);
        return true;
    }
    return QWidget::event(e);
}

void COleControl::paintEvent(QPaintEvent* e) {
    QPainter painter(this);
    OnDraw(&painter, rect(), e->rect());
}

std::vector<Variant> COleControl::mouseArgs(const QMouseEvent* e) const {
    const short button = static_cast<short>((e->buttons() | e->button()) & Qt::LeftButton ? 1 : 0) |
                         static_cast<short>((e->buttons() | e->button()) & Qt::RightButton ? 2 : 0) |
                         static_cast<short>((e->buttons() | e->button()) & Qt::MiddleButton ? 4 : 0);
    const QPoint p = e->position().toPoint();
    return {Variant::fromShort(button), Variant::fromShort(shiftState(e->modifiers())),
            Variant::fromLong(p.x()), Variant::fromLong(p.y())};
}

void COleControl::mousePressEvent(QMouseEvent* e) {
    auto args = mouseArgs(e);
    FireEvent(DISPID_MOUSEDOWN, args);
}

void COleControl::mouseReleaseEvent(QMouseEvent* e) {
    auto args = mouseArgs(e);
    FireEvent(DISPID_MOUSEUP, args);
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        FireEvent(DISPID_CLICK);
}

void COleControl::mouseDoubleClickEvent(QMouseEvent* e) {
    mousePressEvent(e);
    FireEvent(DISPID_DBLCLICK);
}

void COleControl::mouseMoveEvent(QMouseEvent* e) {
    auto args = mouseArgs(e);
    FireEvent(DISPID_MOUSEMOVE, args);
}

void COleControl::keyPressEvent(QKeyEvent* e) {
    std::vector<Variant> args{Variant::fromShort(virtualKey(e)),
                              Variant::fromShort(shiftState(e->modifiers()))};
    FireEvent(DISPID_KEYDOWN, args);
    const QString text = e->text();
    if (!text.isEmpty() && text.at(0).unicode() < 256) {
        std::vector<Variant> key{Variant::fromShort(static_cast<std::int16_t>(text.at(0).unicode()))};
        FireEvent(DISPID_KEYPRESS, key);
    }
}

void COleControl::keyReleaseEvent(QKeyEvent* e) {
    std::vector<Variant> args{Variant::fromShort(virtualKey(e)),
                              Variant::fromShort(shiftState(e->modifiers()))};
    FireEvent(DISPID_KEYUP, args);
}

} // namespace ole
