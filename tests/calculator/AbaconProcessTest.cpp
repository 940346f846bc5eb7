// Starts the real calculator program and drives it the way the register does: find it by its
// caption, activate it, close it with Alt+F4.
#include "winapi/Process.h"
#include "winapi/VersionInfo.h"
#include "winapi/Window.h"

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

class AbaconProcess : public testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/abacon-run-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        runDir_ = pattern;
        // A folder of its own, so a calculator the user has open is never touched.
        ::setenv("XDG_RUNTIME_DIR", runDir_.c_str(), 1);
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    void TearDown() override {
        if (pid_ > 0 && !winapi::waitForProcess(pid_, 0ms)) {
            ::kill(pid_, SIGKILL);
            winapi::waitForProcess(pid_, 10s);
        }
        std::error_code ec;
        fs::remove_all(runDir_, ec);
    }

    // Leaves a socket file behind as a crashed calculator would.
    void leaveStaleSocket() {
        const std::string path = winapi::windowEndpoint("Abacon").string();
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un addr{};
        addr.sun_family = AF_UNIX;
        std::strncpy(addr.sun_path, path.c_str(), sizeof addr.sun_path - 1);
        ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
        ::close(fd);
        ASSERT_TRUE(fs::exists(path));
    }

    fs::path runDir_;
    int pid_ = -1;
};

TEST_F(AbaconProcess, IsFoundByCaptionActivatedAndClosedWithAltF4) {
    const char* bin = std::getenv("VX_BIN_DIR");
    ASSERT_NE(bin, nullptr);
    leaveStaleSocket();
    EXPECT_FALSE(winapi::FindWindowA(nullptr, "Abacon"));

    pid_ = winapi::startProcess(fs::path(bin) / "abacon32");
    ASSERT_GT(pid_, 0);
    winapi::HWND window;
    // Bounded: a calculator that never shows up fails the test instead of hanging it.
    for (int attempt = 0; attempt < 3000 && !window; ++attempt) {
        ASSERT_FALSE(winapi::waitForProcess(pid_, 20ms)) << "the calculator ended before it could be found";
        window = winapi::FindWindowA(nullptr, "Abacon");
    }
    ASSERT_TRUE(window);

    struct Lookup {
        const char* className;
        const char* caption;
        bool found;
    };
    const Lookup lookups[] = {{"Calculator", "Abacon", true},
                              {"Calculator", nullptr, true},
                              {"Notepad", "Abacon", false},
                              {nullptr, "abacon", false},
                              {nullptr, "Abacon ", false}};
    for (const Lookup& l : lookups) {
        EXPECT_EQ(static_cast<bool>(winapi::FindWindowA(l.className, l.caption)), l.found)
            << (l.className ? l.className : "(any class)") << " / "
            << (l.caption ? l.caption : "(any caption)");
    }

    EXPECT_TRUE(winapi::AppActivate("Abacon"));
    EXPECT_TRUE(winapi::SendKeys(window, "%{F4}"));
    const auto code = winapi::waitForProcess(pid_, 60s);
    ASSERT_TRUE(code) << "Alt+F4 did not close the calculator";
    EXPECT_EQ(*code, 0);
    pid_ = -1;
    EXPECT_FALSE(winapi::FindWindowA(nullptr, "Abacon"));
    EXPECT_FALSE(winapi::AppActivate("Abacon"));
    EXPECT_FALSE(winapi::SendKeys(window, "%{F4}"));
}

// The program file says what it is, as "Abacon32.exe" does in its version resource.
TEST(AbaconFile, CarriesItsVersionRecord) {
    const char* bin = std::getenv("VX_BIN_DIR");
    ASSERT_NE(bin, nullptr);
    const std::string file = (fs::path(bin) / "abacon32").string();
    const winapi::DWORD size = winapi::GetFileVersionInfoSizeA(file.c_str(), nullptr);
    ASSERT_GT(size, 0u);
    std::vector<char> info(size);
    ASSERT_TRUE(winapi::GetFileVersionInfoA(file.c_str(), 0, size, info.data()));
    void* value = nullptr;
    winapi::UINT length = 0;
    ASSERT_TRUE(
        winapi::VerQueryValueA(info.data(), "\\StringFileInfo\\040904E4\\ProductName", &value, &length));
    EXPECT_STREQ(static_cast<const char*>(value), "Abacon");
    ASSERT_TRUE(winapi::VerQueryValueA(info.data(), "\\", &value, &length));
    winapi::VS_FIXEDFILEINFO fixed;
    std::memcpy(&fixed, value, sizeof fixed);
    EXPECT_EQ(fixed.dwFileVersionMS, 0x00010000u);
}

TEST(StartProcess, RefusesWhatCannotRun) {
    EXPECT_EQ(winapi::startProcess("/nonexistent/abacon32"), -1);
    EXPECT_EQ(winapi::startProcess("/tmp"), -1);
    EXPECT_FALSE(winapi::FindWindowA(nullptr, nullptr));
}

} // namespace
