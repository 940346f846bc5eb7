#include "calculator/app/WindowListener.h"

#include <QSocketNotifier>
#include <QTimer>

namespace abacon {

WindowListener::WindowListener(const QString& className, const QString& caption, QObject* parent)
    : QObject(parent), className_(className), caption_(caption),
      server_(winapi::windowEndpoint(caption.toStdString())) {}

WindowListener::~WindowListener() = default;

QString WindowListener::endpoint() const {
    return QString::fromStdString(winapi::windowEndpoint(caption_.toStdString()).string());
}

bool WindowListener::listen() {
    if (!server_.listen())
        return false;
    notifier_ = new QSocketNotifier(server_.fd(), QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this,
            [this] { server_.serveWaiting([this](std::string_view request) { return answer(request); }); });
    return true;
}

std::string WindowListener::answer(std::string_view request) {
    using namespace winapi;
    if (request == kWindowFind)
        return (className_ + QLatin1Char('\t') + caption_).toStdString();
    if (request == kWindowActivate) {
        // After the answer is on its way: the request may close the window and this listener.
        QTimer::singleShot(0, this, [this] { emit activateRequested(); });
        return std::string(kWindowOk);
    }
    if (request.starts_with(kWindowKeys)) {
        const QString keys = QString::fromUtf8(request.substr(kWindowKeys.size()));
        QTimer::singleShot(0, this, [this, keys] { emit keysReceived(keys); });
        return std::string(kWindowOk);
    }
    return "ERROR";
}

} // namespace abacon
