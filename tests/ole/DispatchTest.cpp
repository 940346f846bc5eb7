#include "ole/OleControl.h"
#include "ole/QtApplicationEnv.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <stdexcept>

VX_QT_TEST_APPLICATION;

namespace {

using ole::Variant;

// A control with one member of each kind, built the way a real control builds its interface.
class SampleControl : public ole::COleControl {
public:
    SampleControl() {
        bind(1, {[this](const auto&) { return Variant::fromShort(level); },
                 [this](const auto&, const Variant& v) {
                     const short x = v.toShort();
                     if (x < 0)
                         ThrowError(ole::CTL_E_INVALIDPROPERTYVALUE, QStringLiteral("too low"));
                     level = x;
                     SetModifiedFlag();
                     BoundPropertyChanged(1);
                 },
                 {}});
        bind(2, {[this](const std::vector<Variant>& a) { return Variant::fromLong(a.at(0).toShort() * 10); },
                 {},
                 {}});
        bind(3, {{}, {}, [this](std::vector<Variant>& a) {
                     std::vector<Variant> args{Variant::fromShort(13)};
                     FireEvent(7, args);
                     a.at(0) = args.at(0);
                     return Variant::fromString(QStringLiteral("done"));
                 }});
        bind(4, {[](const auto&) -> Variant { throw std::runtime_error("broken"); }, {}, {}});
        bind(5, {[this](const auto&) {
                     if (!AmbientUserMode())
                         GetNotSupported();
                     return Variant::fromString(AmbientDisplayName());
                 },
                 {},
                 {}});
    }
    const ole::TypeLibrary& typeLibrary() const override {
        static const ole::TypeLibrary lib = [] {
            ole::TypeLibrary l;
            l.coclass.progId = QStringLiteral("Sample.Control.1");
            l.dispatch.defaultMember = 1;
            l.dispatch.members = {
                {1,
                 QStringLiteral("Level"),
                 ole::MemberKind::Property,
                 ole::VarType::Short,
                 {},
                 false,
                 false,
                 {}},
                {2,
                 QStringLiteral("Tens"),
                 ole::MemberKind::Property,
                 ole::VarType::Long,
                 {},
                 true,
                 true,
                 {}},
                {3,
                 QStringLiteral("Ring"),
                 ole::MemberKind::Method,
                 ole::VarType::String,
                 {},
                 false,
                 false,
                 {{QStringLiteral("Key"), ole::VarType::Short, true}}},
                {4,
                 QStringLiteral("Broken"),
                 ole::MemberKind::Property,
                 ole::VarType::Long,
                 {},
                 true,
                 false,
                 {}},
                {5,
                 QStringLiteral("SiteName"),
                 ole::MemberKind::Property,
                 ole::VarType::String,
                 {},
                 true,
                 false,
                 {}},
                {ole::DISPID_BACKCOLOR,
                 QStringLiteral("BackColor"),
                 ole::MemberKind::Property,
                 ole::VarType::Color,
                 {},
                 false,
                 false,
                 {}},
                {ole::DISPID_CAPTION,
                 QStringLiteral("Caption"),
                 ole::MemberKind::Property,
                 ole::VarType::String,
                 {},
                 false,
                 false,
                 {}},
                {9,
                 QStringLiteral("Unbound"),
                 ole::MemberKind::Property,
                 ole::VarType::Short,
                 {},
                 false,
                 false,
                 {}},
            };
            return l;
        }();
        return lib;
    }
    bool OnWindowMessage(unsigned message, std::intptr_t wParam, std::intptr_t) override {
        received.push_back({message, wParam});
        return true;
    }
    short level = 0;
    std::vector<std::pair<unsigned, std::intptr_t>> received;
};

struct Recorder : ole::PropertyNotifySink, ole::EventSink {
    void OnChanged(ole::DISPID id) override { changes.push_back(id); }
    void OnEvent(ole::DISPID id, std::vector<Variant>& args) override {
        events.push_back(id);
        if (!args.empty())
            args[0] = Variant::fromShort(0); // a handler cancelling the key, as KeyAscii = 0 does
    }
    std::vector<ole::DISPID> changes, events;
};

ole::HRESULT invoke(ole::COleControl& c, ole::DISPID id, ole::InvokeKind kind, std::vector<Variant> args,
                    Variant* result = nullptr, ole::ExcepInfo* excep = nullptr) {
    return c.Invoke(id, kind, args, result, excep);
}

TEST(Dispatch, NamesIgnoreCaseAndDispidZeroIsTheDefaultMember) {
    SampleControl c;
    EXPECT_EQ(c.GetIDsOfNames(QStringLiteral("lEVEL")), 1);
    EXPECT_FALSE(c.GetIDsOfNames(QStringLiteral("Levels")).has_value());
    c.dispatchPut(QStringLiteral("level"), Variant::fromString(QStringLiteral("12")));
    Variant v;
    EXPECT_EQ(invoke(c, ole::DISPID_VALUE, ole::InvokeKind::PropertyGet, {}, &v), ole::S_OK);
    EXPECT_EQ(v, Variant::fromShort(12));
}

// Every failure reaches the container as a status, never as a C++ exception.
struct BoundaryRow {
    const char* name;
    ole::DISPID dispid;
    ole::InvokeKind kind;
    std::vector<Variant> args;
    ole::HRESULT hr;
    ole::SCODE scode;
    const char* description;
};

class Boundary : public testing::TestWithParam<BoundaryRow> {};

TEST_P(Boundary, GivesStatusAndExceptionInformation) {
    SampleControl c;
    const BoundaryRow& row = GetParam();
    ole::ExcepInfo excep;
    EXPECT_EQ(invoke(c, row.dispid, row.kind, row.args, nullptr, &excep), row.hr);
    EXPECT_EQ(excep.scode, row.scode);
    EXPECT_EQ(excep.description.toStdString(), row.description);
    if (row.hr == ole::DISP_E_EXCEPTION) {
        EXPECT_EQ(excep.source, QStringLiteral("Sample.Control.1"));
    }
}

using K = ole::InvokeKind;
INSTANTIATE_TEST_SUITE_P(
    Rules, Boundary,
    testing::Values(
        BoundaryRow{"RaisedError",
                    1,
                    K::PropertyPut,
                    {Variant::fromShort(-1)},
                    ole::DISP_E_EXCEPTION,
                    ole::ctlError(380),
                    "too low"},
        BoundaryRow{"Overflow",
                    1,
                    K::PropertyPut,
                    {Variant::fromLong(40000)},
                    ole::DISP_E_EXCEPTION,
                    ole::ctlError(6),
                    "Overflow"},
        BoundaryRow{"TypeMismatch",
                    1,
                    K::PropertyPut,
                    {Variant::fromString(QStringLiteral("x"))},
                    ole::DISP_E_EXCEPTION,
                    ole::ctlError(13),
                    "Type mismatch"},
        BoundaryRow{"ForeignException", 4, K::PropertyGet, {}, ole::DISP_E_EXCEPTION, ole::E_FAIL, "broken"},
        BoundaryRow{"ReadOnly",
                    4,
                    K::PropertyPut,
                    {Variant::fromShort(1)},
                    ole::DISP_E_EXCEPTION,
                    ole::ctlError(383),
                    "Property is read-only"},
        BoundaryRow{"IndexMissing", 2, K::PropertyGet, {}, ole::DISP_E_BADPARAMCOUNT, 0, ""},
        BoundaryRow{
            "IndexNotWanted", 1, K::PropertyGet, {Variant::fromShort(1)}, ole::DISP_E_BADPARAMCOUNT, 0, ""},
        BoundaryRow{"MethodArgumentMissing", 3, K::Method, {}, ole::DISP_E_BADPARAMCOUNT, 0, ""},
        BoundaryRow{
            "PutOnMethod", 3, K::PropertyPut, {Variant::fromShort(1)}, ole::DISP_E_MEMBERNOTFOUND, 0, ""},
        BoundaryRow{"UnknownDispid", 99, K::PropertyGet, {}, ole::DISP_E_MEMBERNOTFOUND, 0, ""},
        BoundaryRow{"DescribedButNotBound", 9, K::PropertyGet, {}, ole::DISP_E_MEMBERNOTFOUND, 0, ""}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(Dispatch, IndexedPropertiesAndByReferenceArguments) {
    SampleControl c;
    EXPECT_EQ(c.dispatchGet(QStringLiteral("Tens"), {Variant::fromShort(4)}), Variant::fromLong(40));
    Recorder r;
    c.AdviseEvents(&r);
    std::vector<Variant> args{Variant::fromShort(1)};
    Variant result;
    ASSERT_EQ(c.Invoke(3, ole::InvokeKind::Method, args, &result, nullptr), ole::S_OK);
    EXPECT_EQ(result.toString(), QStringLiteral("done"));
    EXPECT_EQ(r.events, std::vector<ole::DISPID>{7});
    EXPECT_EQ(args[0], Variant::fromShort(0)); // the handler's change came back
}

TEST(Dispatch, AmbientsComeFromTheSiteWithDefaults) {
    SampleControl c;
    EXPECT_TRUE(c.AmbientUserMode()); // no site: run mode
    ole::SimpleSite site;
    site.set(ole::DISPID_AMBIENT_DISPLAYNAME, Variant::fromString(QStringLiteral("Calendar1")));
    c.SetClientSite(&site);
    EXPECT_EQ(c.dispatchGet(QStringLiteral("SiteName")).toString(), QStringLiteral("Calendar1"));
    site.set(ole::DISPID_AMBIENT_USERMODE, Variant::fromBool(false));
    try {
        c.dispatchGet(QStringLiteral("SiteName"));
        ADD_FAILURE() << "design mode read";
    } catch (const ole::AutomationError& e) {
        EXPECT_EQ(e.scode(), ole::CTL_E_GETNOTSUPPORTED);
    }
}

TEST(Dispatch, NotificationsReachEverySinkUntilUnadvised) {
    SampleControl c;
    Recorder a, b;
    c.AdvisePropertyNotify(&a);
    c.AdvisePropertyNotify(&b);
    c.AdvisePropertyNotify(&a); // once only
    c.dispatchPut(QStringLiteral("Level"), Variant::fromShort(2));
    c.UnadvisePropertyNotify(&b);
    c.dispatchPut(QStringLiteral("BackColor"), Variant::fromColor(0xFF));
    EXPECT_EQ(a.changes, (std::vector<ole::DISPID>{1, ole::DISPID_BACKCOLOR}));
    EXPECT_EQ(b.changes, std::vector<ole::DISPID>{1});
    EXPECT_TRUE(c.IsModified());
}

TEST(Dispatch, PostedMessagesArriveThroughTheEventLoopInOrder) {
    SampleControl c;
    c.PostMessage(0x0433, 1);
    c.PostMessage(0x0433, 2);
    EXPECT_TRUE(c.received.empty());
    QCoreApplication::sendPostedEvents(&c);
    EXPECT_EQ(c.received, (std::vector<std::pair<unsigned, std::intptr_t>>{{0x0433u, 1}, {0x0433u, 2}}));
}

TEST(Dispatch, StockPropertiesRoundTripThroughTheBag) {
    SampleControl c;
    c.resize(96, 48);
    c.dispatchPut(QStringLiteral("Caption"), Variant::fromString(QStringLiteral("Hello")));
    c.dispatchPut(QStringLiteral("BackColor"), Variant::fromColor(0x00123456));
    ole::PropertyBag bag;
    c.Save(bag);
    EXPECT_FALSE(c.IsModified());
    EXPECT_EQ(bag.names().join(QLatin1Char(',')).toStdString(),
              "_ExtentX,_ExtentY,Caption,ForeColor,BackColor,Enabled,Font");
    SampleControl d;
    d.Load(ole::PropertyBag::load(bag.save()).bag);
    EXPECT_EQ(d.size(), QSize(96, 48));
    EXPECT_EQ(d.dispatchGet(QStringLiteral("Caption")).toString(), QStringLiteral("Hello"));
    EXPECT_EQ(d.GetBackColor(), 0x00123456u);
    d.InitNew();
    EXPECT_EQ(d.GetBackColor(), 0x8000000Fu);
}

} // namespace
