#include "ole/Registry.h"
#include "ole/TypeLibrary.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

std::string readFile(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

void writeFile(const std::filesystem::path& p, const std::string& bytes) {
    std::ofstream(p, std::ios::binary) << bytes;
}

class RegistryTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        ::setenv("LEDGERINE_WINDIR", dir.path().toLocal8Bit().constData(), 1);
        ole::Registry::failSavesAfter(-1);
    }
    void TearDown() override { ole::Registry::failSavesAfter(-1); }
    std::filesystem::path regFile() const {
        return std::filesystem::path(dir.path().toStdString()) / "REG.DAT";
    }
    QTemporaryDir dir;
};

TEST_F(RegistryTest, PageRegistrationWritesTheFileByteForByte) {
    const ole::CLSID page{QStringLiteral("{0C1C49DA-A233-101B-AFF8-00AA003E1700}")};
    ASSERT_TRUE(ole::AfxOleRegisterPropertyPageClass(QStringLiteral("/opt/a \"b\"\\libx.so"), page,
                                                     QStringLiteral("Vx3dCalendar Data Property Page")));
    EXPECT_EQ(readFile(regFile()),
              "REGEDIT4\n"
              "\n[HKEY_CLASSES_ROOT\\CLSID]\n"
              "\n[HKEY_CLASSES_ROOT\\CLSID\\{0C1C49DA-A233-101B-AFF8-00AA003E1700}]\n"
              "@=\"Vx3dCalendar Data Property Page\"\n"
              "\n[HKEY_CLASSES_ROOT\\CLSID\\{0C1C49DA-A233-101B-AFF8-00AA003E1700}\\InprocServer32]\n"
              "@=\"/opt/a \\\"b\\\"\\\\libx.so\"\n");
    // What was written reads back, quotes and backslashes included.
    EXPECT_EQ(ole::inprocServerOf(page.text.toLower()), QStringLiteral("/opt/a \"b\"\\libx.so"));
}

TEST_F(RegistryTest, ControlFoundByProgIdOrClsidAndGoneAfterUnregistering) {
    ole::ControlClassInfo info{{QStringLiteral("{11111111-2222-3333-4444-555555555555}")},
                               QStringLiteral("Demo.Ctrl.1"),
                               QStringLiteral("Demo"),
                               7,
                               0,
                               197009,
                               {QStringLiteral("{66666666-2222-3333-4444-555555555555}")},
                               1,
                               0};
    ASSERT_TRUE(ole::AfxOleRegisterControlClass(QStringLiteral("/m/libdemo.so"), info));
    ole::CLSID found;
    EXPECT_EQ(ole::inprocServerOf(QStringLiteral("demo.ctrl.1"), &found), QStringLiteral("/m/libdemo.so"));
    EXPECT_EQ(found, info.clsid);
    ole::Registry reg;
    ASSERT_TRUE(reg.load());
    EXPECT_EQ(reg.value(QStringLiteral("CLSID\\") + info.clsid.text + QStringLiteral("\\MiscStatus\\1")),
              QStringLiteral("197009"));
    EXPECT_EQ(reg.value(QStringLiteral("CLSID\\") + info.clsid.text + QStringLiteral("\\ToolboxBitmap32")),
              QStringLiteral("/m/libdemo.so, 7"));
    ASSERT_TRUE(ole::AfxOleUnregisterClass(info.clsid, info.progId));
    EXPECT_FALSE(ole::inprocServerOf(info.progId));
    EXPECT_FALSE(ole::inprocServerOf(info.clsid.text));
}

// Registry files as a person or another program may leave them.
struct BadFileRow {
    const char* name;
    std::string bytes;
    bool loads;
    const char* server; // what the demo class resolves to, or null
};

class RegistryFileTest : public RegistryTest, public testing::WithParamInterface<BadFileRow> {};

TEST_P(RegistryFileTest, ReadsWhatItCanAndNeverOverwritesAForeignFile) {
    writeFile(regFile(), GetParam().bytes);
    ole::Registry reg;
    EXPECT_EQ(reg.load(), GetParam().loads);
    const auto server = ole::inprocServerOf(QStringLiteral("{11111111-2222-3333-4444-555555555555}"));
    if (GetParam().server)
        EXPECT_EQ(server, QString::fromUtf8(GetParam().server));
    else
        EXPECT_FALSE(server);
    if (GetParam().loads) {
        // What was kept is written back in a form that reads as the same registry.
        const QString text = reg.text();
        ASSERT_TRUE(reg.save());
        ole::Registry again;
        ASSERT_TRUE(again.load());
        EXPECT_EQ(again.text(), text);
    } else {
        // Registering over a file that is no registry would lose what it holds: refused, file kept.
        EXPECT_FALSE(
            ole::AfxOleRegisterPropertyPageClass(QStringLiteral("/x.so"), {QStringLiteral("{1}")}, {}));
        EXPECT_EQ(readFile(regFile()), GetParam().bytes);
    }
}

const std::string kKey =
    "[HKEY_CLASSES_ROOT\\CLSID\\{11111111-2222-3333-4444-555555555555}\\InprocServer32]\n";

INSTANTIATE_TEST_SUITE_P(
    Rows, RegistryFileTest,
    testing::Values(
        BadFileRow{"EmptyIsAnEmptyRegistry", "", true, nullptr},
        BadFileRow{"NoHeader", kKey + "@=\"/a.so\"\n", false, nullptr},
        BadFileRow{"BinaryHive", std::string("regf\0\1\2", 7), false, nullptr},
        BadFileRow{"CrLfLines", "REGEDIT4\r\n\r\n" + kKey + "@=\"/a.so\"\r\n", true, "/a.so"},
        BadFileRow{"UnterminatedValueSkipped", "REGEDIT4\n" + kKey + "@=\"/a.so\n", true, nullptr},
        BadFileRow{"ValueBeforeAnyKeySkipped", "REGEDIT4\n@=\"/z.so\"\n" + kKey + "@=\"/a.so\"\n", true,
                   "/a.so"},
        BadFileRow{"OtherRootIgnored",
                   "REGEDIT4\n[HKEY_LOCAL_MACHINE\\X]\n@=\"/z.so\"\n" + kKey + "@=\"/b.so\"\n", true,
                   "/b.so"},
        BadFileRow{"TrailingGarbageSkipped", "REGEDIT4\n" + kKey + "@=\"/a.so\" junk\n", true, nullptr},
        BadFileRow{"RootItselfIsNoKey",
                   "REGEDIT4\n[HKEY_CLASSES_ROOT\\\\]\n@=\"/z.so\"\n" + kKey + "@=\"/a.so\"\n", true, "/a.so"},
        BadFileRow{"LaterValueWins", "REGEDIT4\n" + kKey + "@=\"/a.so\"\n@=\"/c.so\"\n", true, "/c.so"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(RegistryTest, TypeLibraryUnregistersOnlyWhenRegistered) {
    ole::TypeLibrary lib;
    lib.name = QStringLiteral("DemoLib");
    lib.libid = {QStringLiteral("{66666666-2222-3333-4444-555555555555}")};
    lib.dispatch.name = QStringLiteral("_DDemo");
    lib.dispatch.iid = {QStringLiteral("{77777777-2222-3333-4444-555555555555}")};
    EXPECT_FALSE(ole::UnRegisterTypeLib(lib.libid, 1, 0));
    ASSERT_TRUE(ole::RegisterTypeLib(lib, QStringLiteral("/m/libdemo.so"), QStringLiteral("C:\\HELP")));
    ole::Registry reg;
    ASSERT_TRUE(reg.load());
    EXPECT_EQ(reg.value(QStringLiteral("TypeLib\\") + lib.libid.text + QStringLiteral("\\1.0\\HELPDIR")),
              QStringLiteral("C:\\HELP"));
    EXPECT_EQ(reg.value(QStringLiteral("Interface\\") + lib.dispatch.iid.text + QStringLiteral("\\TypeLib"),
                        QStringLiteral("version")),
              QStringLiteral("1.0"));
    ASSERT_TRUE(ole::UnRegisterTypeLib(lib.libid, 1, 0));
    ASSERT_TRUE(reg.load());
    EXPECT_FALSE(reg.contains(QStringLiteral("TypeLib\\") + lib.libid.text));
    EXPECT_FALSE(reg.contains(QStringLiteral("Interface\\") + lib.dispatch.iid.text));
}

} // namespace
