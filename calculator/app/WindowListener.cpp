#include "calculator/app/WindowListener.h"

#include "winapi/Window.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>

#include <functional>

namespace abacon {

namespace {

QString fromView(std::string_view s) {
    return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size()));
}

} // namespace

WindowListener::WindowListener(const QString& className, const QString& caption, QObject* parent)
    : QObject(parent), className_(className), caption_(caption), server_(new QLocalServer(this)) {
    connect(server_, &QLocalServer::newConnection, this, &WindowListener::onConnection);
}

WindowListener::~WindowListener() {
    server_->close();
}

QString WindowListener::endpoint() const {
    return QString::fromStdString(winapi::windowEndpoint(caption_.toStdString()).string());
}

bool WindowListener::listen() {
    const QString path = endpoint();
    if (path.isEmpty()) {
        return false;
    }
    // A socket file left by a program that died is removed; one that answers belongs to a
    // running window, which keeps it.
    if (winapi::FindWindowA(nullptr, caption_.toStdString().c_str())) {
        return false;
    }
    QLocalServer::removeServer(path);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    return server_->listen(path);
}

void WindowListener::onConnection() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine()) {
                if (socket->bytesAvailable() > 4096) {
                    socket->disconnectFromServer();
                }
                return;
            }
            const QString line = QString::fromUtf8(socket->readLine()).chopped(1);
            QString answer;
            std::function<void()> action;
            if (line == fromView(winapi::kWindowFind)) {
                answer = className_ + QLatin1Char('\t') + caption_;
            } else if (line == fromView(winapi::kWindowActivate)) {
                answer = fromView(winapi::kWindowOk);
                action = [this] {
                    emit activateRequested();
                };
            } else if (line.startsWith(fromView(winapi::kWindowKeys))) {
                answer = fromView(winapi::kWindowOk);
                const QString keys = line.mid(static_cast<qsizetype>(winapi::kWindowKeys.size()));
                action = [this, keys] {
                    emit keysReceived(keys);
                };
            } else {
                answer = QStringLiteral("ERROR");
            }
            socket->write((answer + QLatin1Char('\n')).toUtf8());
            socket->flush();
            socket->disconnectFromServer();
            if (action) {
                // After the answer is on its way: the keys may close the window and this listener.
                QTimer::singleShot(0, this, action);
            }
        });
    }
}

} // namespace abacon
