#include "calendar/CalendarHost.h"
#include "calendar/control/EnumFont.h"
#include "calendar/control/VxcalndrPropPage.h"
#include "ole/ClassFactory.h"
#include "ole/PropertyFrame.h"
#include "ole/QtApplicationEnv.h"
#include "ole/Registry.h"

#include <QLineEdit>
#include <QTemporaryDir>

#include <cstring>
#include <fstream>

extern "C" ole::HRESULT DllRegisterServer();
extern "C" ole::HRESULT DllUnregisterServer();
extern "C" ole::HRESULT DllCanUnloadNow();

namespace {

const QString kClsidKey = QStringLiteral("CLSID\\{0A9F72E0-91CE-101B-AFF8-00AA003E1700}");
const QString kDisplayKey = QStringLiteral("CLSID\\{0A9F72E4-91CE-101B-AFF8-00AA003E1700}");
const QString kDataKey = QStringLiteral("CLSID\\{0C1C49DA-A233-101B-AFF8-00AA003E1700}");
const QString kLibKey = QStringLiteral("TypeLib\\{0A9F72E3-91CE-101B-AFF8-00AA003E1700}\\1.0");

class ModuleTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        ::setenv("LEDGERINE_WINDIR", dir.path().toLocal8Bit().constData(), 1);
        const char* bin = std::getenv("VX_BIN_DIR");
        ::setenv("LEDGERINE_PROGDIR", bin ? bin : VX_BUILD_BIN_DIR, 1);
        ole::Registry::failSavesAfter(-1);
    }
    void TearDown() override { ole::Registry::failSavesAfter(-1); }
    ole::Registry registry() const {
        ole::Registry reg;
        EXPECT_TRUE(reg.load());
        return reg;
    }
    QTemporaryDir dir;
};

TEST_F(ModuleTest, RegisteringTwiceLeavesOneConsistentSet) {
    std::ofstream(dir.filePath(QStringLiteral("WINHELP.INI")).toStdString())
        << "[files]\nOLEVBREF.HLP=C:\\VB\\HELP\n";
    ASSERT_EQ(DllRegisterServer(), ole::S_OK);
    const QString once = registry().text();
    ASSERT_EQ(DllRegisterServer(), ole::S_OK);
    EXPECT_EQ(registry().text(), once);
    const ole::Registry reg = registry();
    EXPECT_EQ(reg.value(kClsidKey), QStringLiteral("Quorvane Vx3dCalendar Control"));
    EXPECT_EQ(reg.value(kClsidKey + QStringLiteral("\\MiscStatus\\1")), QStringLiteral("197009"));
    EXPECT_EQ(reg.value(kClsidKey + QStringLiteral("\\ProgID")), QStringLiteral("VXCALNDR.VxcalndrCtrl.1"));
    EXPECT_EQ(reg.value(kDisplayKey), QStringLiteral("Vx3dCalendar Property Page"));
    EXPECT_EQ(reg.value(kDataKey), QStringLiteral("Vx3dCalendar Data Property Page"));
    EXPECT_EQ(reg.value(kLibKey + QStringLiteral("\\HELPDIR")), QStringLiteral("C:\\VB\\HELP"));
    EXPECT_TRUE(reg.value(kClsidKey + QStringLiteral("\\InprocServer32"))
                    ->endsWith(QStringLiteral("libvxcalndr.so")));

    ASSERT_EQ(DllUnregisterServer(), ole::S_OK);
    for (const QString& key : registry().keys())
        EXPECT_FALSE(key.contains(QStringLiteral("0A9F72E"), Qt::CaseInsensitive) ||
                     key.contains(QStringLiteral("VXCALNDR"), Qt::CaseInsensitive))
            << key.toStdString();
}

// Each failure of registration: the code, and what stays registered.
struct FailRow {
    const char* name;
    bool registering;
    int savesBefore; // saves that succeed before the failing one
    ole::HRESULT expected;
    bool lib, control, display, data; // registered afterwards
};

class RegistrationFailureTest : public ModuleTest, public testing::WithParamInterface<FailRow> {};

TEST_P(RegistrationFailureTest, ReturnsItsCodeAndKeepsWhatCameBefore) {
    const FailRow& row = GetParam();
    if (!row.registering) {
        ASSERT_EQ(DllRegisterServer(), ole::S_OK);
    }
    ole::Registry::failSavesAfter(row.savesBefore);
    EXPECT_EQ(row.registering ? DllRegisterServer() : DllUnregisterServer(), row.expected);
    ole::Registry::failSavesAfter(-1);
    const ole::Registry reg = registry();
    EXPECT_EQ(reg.contains(kLibKey), row.lib);
    EXPECT_EQ(reg.contains(kClsidKey), row.control);
    EXPECT_EQ(reg.contains(kDisplayKey), row.display);
    EXPECT_EQ(reg.contains(kDataKey), row.data);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, RegistrationFailureTest,
    testing::Values(
        // Registration: the type library, then per factory one save to remove and one to register
        // (the data page registers in one).
        FailRow{"TypeLibrary", true, 0, ole::SELFREG_E_TYPELIB, false, false, false, false},
        FailRow{"ControlRemoval", true, 1, ole::SELFREG_E_CLASS, true, false, false, false},
        FailRow{"ControlClass", true, 2, ole::SELFREG_E_CLASS, true, false, false, false},
        FailRow{"DisplayPage", true, 4, ole::SELFREG_E_CLASS, true, true, false, false},
        FailRow{"DataPage", true, 5, ole::SELFREG_E_CLASS, true, true, true, false},
        FailRow{"UnregisterTypeLibrary", false, 0, ole::SELFREG_E_TYPELIB, true, true, true, true},
        FailRow{"UnregisterControl", false, 1, ole::SELFREG_E_CLASS, false, true, true, true}),
    [](const auto& r) { return std::string(r.param.name); });

TEST_F(ModuleTest, UnregisteringWhatIsNotRegisteredIsATypeLibraryFailure) {
    EXPECT_EQ(DllUnregisterServer(), ole::SELFREG_E_TYPELIB);
}

TEST_F(ModuleTest, MissingHelpEntryRegistersAnEmptyHelpDirectory) {
    ASSERT_EQ(DllRegisterServer(), ole::S_OK);
    EXPECT_EQ(registry().value(kLibKey + QStringLiteral("\\HELPDIR")), QString());
}

TEST_F(ModuleTest, RegisteredClassesAreCreatedByProgIdClsidAndPageId) {
    ole::HRESULT hr = ole::S_OK;
    EXPECT_FALSE(ole::CoCreateInstance(QStringLiteral("VXCALNDR.VxcalndrCtrl.1"), nullptr, &hr));
    EXPECT_EQ(hr, ole::REGDB_E_CLASSNOTREG);
    ASSERT_EQ(DllRegisterServer(), ole::S_OK);
    EXPECT_EQ(DllCanUnloadNow(), ole::S_OK);
    {
        auto byProgId = ole::CoCreateInstance(QStringLiteral("vxcalndr.vxcalndrctrl.1"), nullptr, &hr);
        ASSERT_TRUE(byProgId) << std::hex << hr;
        EXPECT_EQ(DllCanUnloadNow(), ole::S_FALSE); // a live object keeps the module
        auto byClsid =
            ole::CoCreateInstance(QStringLiteral("{0a9f72e0-91ce-101b-aff8-00aa003e1700}"), nullptr, &hr);
        EXPECT_TRUE(byClsid);
        // A page's class is no control.
        EXPECT_FALSE(ole::CoCreateInstance(vxcal::kDataPageClsid.text, nullptr, &hr));
        EXPECT_EQ(hr, ole::E_NOINTERFACE);

        ole::PropertyFrame frame(QStringLiteral("Properties"), {byProgId.get(), byClsid.get()},
                                 byProgId->GetPropertyPages());
        EXPECT_EQ(frame.captions(), (QStringList{QStringLiteral("Display Settings"),
                                                 QStringLiteral("Data Settings"), QStringLiteral("Colors"),
                                                 QStringLiteral("Fonts"), QStringLiteral("Pictures")}));
        // A refusal on one page stops the frame's Apply and writes nothing to either control.
        QStringList messages;
        frame.setReporter([&](const QString& m) { messages << m; });
        qobject_cast<QLineEdit*>(frame.page(1)->control(223))->setText(QStringLiteral("17"));
        EXPECT_FALSE(frame.apply());
        EXPECT_EQ(messages, QStringList{QStringLiteral("Please enter an integer between 0 and 16.")});
        qobject_cast<QLineEdit*>(frame.page(1)->control(223))->setText(QStringLiteral("2"));
        EXPECT_TRUE(frame.apply());
        EXPECT_EQ(byClsid->dispatchGet(QStringLiteral("LanguageNumber")).toLong(), 2);
    }
    EXPECT_EQ(DllCanUnloadNow(), ole::S_OK);
}

TEST(EnumFontforCal, CopiesExactlyOneLogFontAndEndsTheEnumeration) {
    struct Guarded {
        unsigned char before[8];
        LOGFONTA font;
        unsigned char after[8];
    } out;
    std::memset(&out, 0xAA, sizeof out);
    LOGFONTA fonts[3];
    for (int i = 0; i < 3; ++i) {
        std::memset(&fonts[i], 0x11 * (i + 1), sizeof(LOGFONTA));
        std::snprintf(fonts[i].lfFaceName, sizeof fonts[i].lfFaceName, "Face %d", i);
    }
    // An enumeration as GDI runs it: one call per font while the callback returns non-zero.
    int calls = 0;
    for (const LOGFONTA& f : fonts) {
        ++calls;
        if (EnumFontforCal(&f, nullptr, 4, reinterpret_cast<std::intptr_t>(&out.font)) == 0)
            break;
    }
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(std::memcmp(&out.font, &fonts[0], 60), 0);
    for (unsigned char b : out.before)
        EXPECT_EQ(b, 0xAA);
    for (unsigned char b : out.after)
        EXPECT_EQ(b, 0xAA);
}

} // namespace
