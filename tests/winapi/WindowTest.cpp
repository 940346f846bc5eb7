// A findable window's socket: found, answered, private, gone with its window, and never held up by a
// caller that connects and says nothing.
#include "winapi/Window.h"

#include "TestEnv.h"

#include <gtest/gtest.h>

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <atomic>
#include <cstring>
#include <thread>

namespace {

struct Served {
    vxtest::TempDir dir;
    vxtest::ScopedEnv runtimeDir{"XDG_RUNTIME_DIR", dir.path().string()};
    winapi::WindowServer server{winapi::windowEndpoint("Abacon")};
    std::atomic<bool> stop{false};
    std::thread loop;

    void start() {
        ASSERT_TRUE(server.listen());
        loop = std::thread([this] {
            while (!stop) {
                pollfd p{server.fd(), POLLIN, 0};
                if (::poll(&p, 1, 20) > 0)
                    server.serveWaiting([](std::string_view request) {
                    return request == winapi::kWindowFind ? std::string("Calculator\tAbacon")
                                                          : std::string(winapi::kWindowOk);
                    });
            }
        });
    }
    ~Served() {
        stop = true;
        if (loop.joinable())
            loop.join();
    }
};

// Connects and sends nothing, as a stuck or hostile caller would.
int silentCaller(const std::filesystem::path& endpoint) {
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    std::strcpy(addr.sun_path, endpoint.c_str());
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    EXPECT_EQ(::connect(fd, reinterpret_cast<const sockaddr*>(&addr), sizeof addr), 0);
    return fd;
}

TEST(WindowServer, FoundAnsweredAndPrivateWhileItLives) {
    Served s;
    s.start();
    const auto endpoint = winapi::windowEndpoint("Abacon");
    struct stat st {};
    ASSERT_EQ(::stat(endpoint.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);

    EXPECT_TRUE(winapi::FindWindowA(nullptr, "Abacon"));
    EXPECT_TRUE(winapi::FindWindowA("Calculator", nullptr));
    EXPECT_FALSE(winapi::FindWindowA("Register", "Abacon"));
    EXPECT_TRUE(winapi::AppActivate("Abacon"));
    EXPECT_TRUE(winapi::SendKeys(winapi::FindWindowA(nullptr, "Abacon"), "%{F4}"));

    // A second window with the same caption is refused while the first answers.
    winapi::WindowServer second(endpoint);
    EXPECT_FALSE(second.listen());

    // A caller that says nothing is dropped; the next one is still answered.
    const int silent = silentCaller(endpoint);
    EXPECT_TRUE(winapi::FindWindowA(nullptr, "Abacon"));
    ::close(silent);
}

TEST(WindowServer, TakesOverAStaleSocketAndRemovesItsOwn) {
    vxtest::TempDir dir;
    vxtest::ScopedEnv runtimeDir("XDG_RUNTIME_DIR", dir.path().string());
    const auto endpoint = winapi::windowEndpoint("Abacon");
    {
        // A socket file nobody answers on, as a program that died leaves it.
        winapi::WindowServer dead(endpoint);
        ASSERT_TRUE(dead.listen());
        ASSERT_EQ(::link(endpoint.c_str(), (endpoint.string() + ".kept").c_str()), 0);
    }
    EXPECT_FALSE(std::filesystem::exists(endpoint));
    std::filesystem::rename(endpoint.string() + ".kept", endpoint);
    {
        winapi::WindowServer live(endpoint);
        EXPECT_TRUE(live.listen());
    }
    EXPECT_FALSE(std::filesystem::exists(endpoint));
}

} // namespace
