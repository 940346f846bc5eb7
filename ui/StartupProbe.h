#pragma once

// For timing start-up (scripts/bench-startup): with VX_QUIT_AFTER_SHOW set in the environment a
// program ends as soon as its first window has painted. Header-only, so that the bare window the
// programs are measured against needs nothing but Qt.

#include <QCoreApplication>
#include <QEvent>
#include <QMetaObject>
#include <QObject>
#include <QWidget>

namespace ui {

inline void quitAfterFirstPaintIfAsked(QWidget& window) {
    if (qEnvironmentVariableIsEmpty("VX_QUIT_AFTER_SHOW"))
        return;
    class Probe : public QObject {
    public:
        using QObject::QObject;
        bool eventFilter(QObject* watched, QEvent* event) override {
            if (event->type() == QEvent::Paint) {
                watched->removeEventFilter(this);
                // Queued: the painted window is flushed to the screen first.
                QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit,
                                          Qt::QueuedConnection);
            }
            return false;
        }
    };
    window.installEventFilter(new Probe(&window));
}

} // namespace ui
