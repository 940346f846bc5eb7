#pragma once

#include "winapi/Window.h"

#include <QObject>
#include <QString>

#include <memory>

class QSocketNotifier;

namespace abacon {

// Makes a window findable by its caption from other programs: answers the requests of
// winapi::FindWindowA, AppActivate and SendKeys on the caption's local socket.
class WindowListener : public QObject {
    Q_OBJECT
public:
    WindowListener(const QString& className, const QString& caption, QObject* parent = nullptr);
    ~WindowListener() override;

    // False when the socket cannot be set up or another live window already answers to the caption.
    bool listen();
    QString endpoint() const;

signals:
    void activateRequested();
    void keysReceived(const QString& keys);

private:
    std::string answer(std::string_view request);

    QString className_;
    QString caption_;
    winapi::WindowServer server_;
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace abacon
