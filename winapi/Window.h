#pragma once

#include "winapi/Types.h"

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace winapi {

// A top-level window of another program. Programs that must be findable by caption listen on a
// per-user local socket named after the caption; the handle names that socket. A default handle
// is the null window.
class WindowHandle {
public:
    WindowHandle() = default;
    explicit WindowHandle(std::filesystem::path endpoint) : endpoint_(std::move(endpoint)) {}
    const std::filesystem::path& endpoint() const { return endpoint_; }
    explicit operator bool() const { return !endpoint_.empty(); }
    friend bool operator==(const WindowHandle&, const WindowHandle&) = default;

private:
    std::filesystem::path endpoint_;
};
using HWND = WindowHandle;

// The folder of the sockets: $XDG_RUNTIME_DIR when it is a folder, else /tmp/ledgerine95-<uid>
// (created private to the user; empty when that name is taken by something not private to us).
std::filesystem::path windowEndpointDirectory();
// "<folder>/window-<caption>.sock"; characters other than letters, digits, "." "_" and "-" are
// written as "%XX". Empty when the path would be too long for a socket.
std::filesystem::path windowEndpoint(std::string_view caption);

// The requests a findable window answers, one line each way per connection.
inline constexpr std::string_view kWindowFind = "FIND";         // answer: "<class>\t<caption>"
inline constexpr std::string_view kWindowActivate = "ACTIVATE"; // answer: "OK"
inline constexpr std::string_view kWindowKeys = "KEYS ";        // + key string; answer: "OK"
inline constexpr std::string_view kWindowOk = "OK";

// The listening side of a findable window: its socket, private to the user. The owner watches fd()
// for readiness and calls serveWaiting(); the socket file goes when the server does.
class WindowServer {
public:
    // Answers one request line; the answer is sent back as one line.
    using Answer = std::function<std::string(std::string_view request)>;

    explicit WindowServer(std::filesystem::path endpoint) : endpoint_(std::move(endpoint)) {}
    ~WindowServer();
    WindowServer(const WindowServer&) = delete;
    WindowServer& operator=(const WindowServer&) = delete;

    // Replaces a socket file nobody answers on (left by a program that died). False when the socket
    // cannot be made or a live window already answers there.
    bool listen();
    int fd() const { return fd_; }
    // Answers every connection that is waiting. A caller that sends no full line within a moment,
    // or more than 4 KB without one, is dropped unanswered, so no caller can hold the window up.
    void serveWaiting(const Answer& answer);

private:
    std::filesystem::path endpoint_;
    int fd_ = -1;
};

// The window whose caption is exactly windowName and, when className is given, whose class is
// className; with no caption, the first window of that class. Null when none answers.
HWND FindWindowA(const char* className, const char* windowName);

// Brings the window with this caption to the front. False when no such window answers.
bool AppActivate(std::string_view caption);

// Sends keystrokes in the key-string notation ("%{F4}" is Alt+F4) to the window. False when the
// window does not answer.
bool SendKeys(const HWND& window, std::string_view keys);

} // namespace winapi
