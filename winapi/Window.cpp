#include "winapi/Window.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/un.h>
#include <unistd.h>

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <system_error>
#include <utility>

namespace winapi {

namespace {

// A window that takes longer than this to answer is treated as gone.
constexpr int kAnswerSeconds = 5;
// A caller must send its request this soon after connecting; the window waits no longer.
constexpr int kRequestMillis = 250;
constexpr std::size_t kLongestLine = 4096;

class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    int release() { return std::exchange(fd_, -1); }

private:
    int fd_;
};

std::optional<sockaddr_un> socketAddress(const std::filesystem::path& endpoint) {
    const std::string path = endpoint.string();
    sockaddr_un addr{};
    if (path.empty() || path.size() >= sizeof(addr.sun_path)) {
        return std::nullopt;
    }
    addr.sun_family = AF_UNIX;
    std::memcpy(addr.sun_path, path.c_str(), path.size() + 1);
    return addr;
}

// Sends one request line and reads one answer line; nullopt when nobody listens.
std::optional<std::string> request(const std::filesystem::path& endpoint, std::string_view line) {
    const std::optional<sockaddr_un> addr = socketAddress(endpoint);
    if (!addr) {
        return std::nullopt;
    }

    Fd fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    if (fd.get() < 0) {
        return std::nullopt;
    }
    timeval tv{kAnswerSeconds, 0};
    ::setsockopt(fd.get(), SOL_SOCKET, SO_RCVTIMEO, &tv, sizeof tv);
    ::setsockopt(fd.get(), SOL_SOCKET, SO_SNDTIMEO, &tv, sizeof tv);
    if (::connect(fd.get(), reinterpret_cast<const sockaddr*>(&*addr), sizeof *addr) != 0) {
        return std::nullopt;
    }
    std::string out(line);
    out += '\n';
    std::size_t sent = 0;
    while (sent < out.size()) {
        const ssize_t n = ::send(fd.get(), out.data() + sent, out.size() - sent, MSG_NOSIGNAL);
        if (n <= 0) {
            return std::nullopt;
        }
        sent += static_cast<std::size_t>(n);
    }
    std::string answer;
    char buf[256];
    while (answer.find('\n') == std::string::npos && answer.size() < kLongestLine) {
        const ssize_t n = ::recv(fd.get(), buf, sizeof buf, 0);
        if (n <= 0) {
            break;
        }
        answer.append(buf, static_cast<std::size_t>(n));
    }
    const auto end = answer.find('\n');
    if (end == std::string::npos) {
        return std::nullopt; // a window that closes without answering is no window
    }
    answer.resize(end);
    return answer;
}

struct Identity {
    std::string className;
    std::string caption;
};

std::optional<Identity> identify(const std::filesystem::path& endpoint) {
    const auto answer = request(endpoint, kWindowFind);
    if (!answer) {
        return std::nullopt;
    }
    const auto tab = answer->find('\t');
    if (tab == std::string::npos) {
        return std::nullopt;
    }
    return Identity{answer->substr(0, tab), answer->substr(tab + 1)};
}

bool isFolder(const char* path) {
    struct stat st {};
    return path && *path && ::stat(path, &st) == 0 && S_ISDIR(st.st_mode);
}

} // namespace

std::filesystem::path windowEndpointDirectory() {
    const char* runtimeDir = std::getenv("XDG_RUNTIME_DIR");
    if (isFolder(runtimeDir)) {
        return runtimeDir;
    }
    const std::string dir = "/tmp/ledgerine95-" + std::to_string(::getuid());
    ::mkdir(dir.c_str(), 0700);
    // A folder someone else made there could let them pose as our windows.
    struct stat st {};
    if (::lstat(dir.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::getuid() ||
        (st.st_mode & 0077) != 0) {
        return {};
    }
    return dir;
}

std::filesystem::path windowEndpoint(std::string_view caption) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string name = "window-";
    for (char ch : caption) {
        const auto c = static_cast<unsigned char>(ch);
        if (std::isalnum(c) || c == '.' || c == '_' || c == '-') {
            name += ch;
        } else {
            name += '%';
            name += kHex[c >> 4];
            name += kHex[c & 0x0F];
        }
    }
    name += ".sock";
    const std::filesystem::path dir = windowEndpointDirectory();
    if (dir.empty()) {
        return {};
    }
    const std::filesystem::path path = dir / name;
    if (path.string().size() >= sizeof(sockaddr_un{}.sun_path)) {
        return {};
    }
    return path;
}

HWND FindWindowA(const char* className, const char* windowName) {
    const bool anyClass = className == nullptr || *className == '\0';
    if (windowName != nullptr) {
        const auto endpoint = windowEndpoint(windowName);
        const auto who = identify(endpoint);
        if (!who || who->caption != windowName || (!anyClass && who->className != className)) {
            return {};
        }
        return HWND(endpoint);
    }
    if (anyClass) {
        return {};
    }
    std::error_code ec;
    const std::filesystem::path dir = windowEndpointDirectory();
    if (dir.empty()) {
        return {};
    }
    for (const auto& entry : std::filesystem::directory_iterator(dir, ec)) {
        const std::string name = entry.path().filename().string();
        if (!name.starts_with("window-") || !name.ends_with(".sock")) {
            continue;
        }
        const auto who = identify(entry.path());
        if (who && who->className == className) {
            return HWND(entry.path());
        }
    }
    return {};
}

bool AppActivate(std::string_view caption) {
    const HWND window = FindWindowA(nullptr, std::string(caption).c_str());
    if (!window) {
        return false;
    }
    const auto answer = request(window.endpoint(), kWindowActivate);
    return answer && *answer == kWindowOk;
}

bool SendKeys(const HWND& window, std::string_view keys) {
    if (!window || keys.find('\n') != std::string_view::npos) {
        return false;
    }
    const auto answer = request(window.endpoint(), std::string(kWindowKeys) + std::string(keys));
    return answer && *answer == kWindowOk;
}

WindowServer::~WindowServer() {
    if (fd_ >= 0) {
        ::close(fd_);
        ::unlink(endpoint_.c_str());
    }
}

bool WindowServer::listen() {
    const std::optional<sockaddr_un> addr = socketAddress(endpoint_);
    if (!addr || fd_ >= 0 || identify(endpoint_)) {
        return false;
    }
    ::unlink(endpoint_.c_str());
    Fd fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
    if (fd.get() < 0 || ::bind(fd.get(), reinterpret_cast<const sockaddr*>(&*addr), sizeof *addr) != 0) {
        return false;
    }
    // Only the user may connect (the folder is private to the user as well).
    if (::chmod(endpoint_.c_str(), 0600) != 0 || ::listen(fd.get(), 8) != 0) {
        ::unlink(endpoint_.c_str());
        return false;
    }
    fd_ = fd.release();
    return true;
}

void WindowServer::serveWaiting(const Answer& answer) {
    for (;;) {
        Fd client(::accept4(fd_, nullptr, nullptr, SOCK_CLOEXEC));
        if (client.get() < 0) {
            return; // none waiting (or the listener is gone)
        }
        std::string line;
        char buf[256];
        while (line.find('\n') == std::string::npos && line.size() <= kLongestLine) {
            pollfd p{client.get(), POLLIN, 0};
            if (::poll(&p, 1, kRequestMillis) <= 0) {
                break;
            }
            const ssize_t n = ::recv(client.get(), buf, sizeof buf, 0);
            if (n <= 0) {
                break;
            }
            line.append(buf, static_cast<std::size_t>(n));
        }
        const auto end = line.find('\n');
        if (end == std::string::npos || end > kLongestLine) {
            continue;
        }
        line.resize(end);
        const std::string out = answer(line) + '\n';
        timeval tv{1, 0};
        ::setsockopt(client.get(), SOL_SOCKET, SO_SNDTIMEO, &tv, sizeof tv);
        (void)::send(client.get(), out.data(), out.size(), MSG_NOSIGNAL);
    }
}

} // namespace winapi
