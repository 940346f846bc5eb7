#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

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
    void onConnection();

    QString className_;
    QString caption_;
    QLocalServer* server_;
};

} // namespace abacon
