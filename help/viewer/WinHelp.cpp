#include "help/viewer/WinHelp.h"

#include "help/viewer/HelpWindow.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>

namespace help {

namespace {

// The one viewer of the process, as the help call gives every program.
QPointer<HelpWindow>& viewer() {
    static QPointer<HelpWindow> window;
    return window;
}

// A modal dialog blocks every window outside it, so while one is open the viewer lives inside it
// as a separate window, and moves out again when the dialog closes.
class ModalHost : public QObject {
public:
    ModalHost(HelpWindow* window, QWidget* dialog) : QObject(window), window_(window), dialog_(dialog) {
        dialog->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == dialog_ && (event->type() == QEvent::Hide || event->type() == QEvent::Close)) {
            dialog_->removeEventFilter(this);
            const bool visible = window_->isVisible();
            const QRect where = window_->geometry();
            window_->setParent(nullptr, Qt::Window);
            window_->setGeometry(where);
            if (visible)
                window_->show();
            deleteLater();
        }
        return false;
    }

private:
    HelpWindow* window_;
    QPointer<QWidget> dialog_;
};

void placeOver(HelpWindow* window) {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || modal == window || modal->isAncestorOf(window))
        return;
    const QRect where = window->geometry();
    window->setParent(modal, Qt::Window);
    window->setGeometry(where);
    new ModalHost(window, modal);
}

} // namespace

HelpWindow* helpWindow() { return viewer().data(); }

bool WinHelpA(QWidget* window, const char* helpFile, unsigned command, std::uintptr_t data) {
    (void)window; // the viewer is its own top-level window, as it always was
    QPointer<HelpWindow>& w = viewer();
    if (command == HELP_QUIT) {
        delete w.data();
        return true;
    }
    if (command != HELP_CONTEXT && command != HELP_CONTENTS && command != HELP_HELPONHELP &&
        command != HELP_PARTIALKEY)
        return false;
    if (!w)
        w = new HelpWindow;
    placeOver(w);
    bool shown = true;
    if (command == HELP_HELPONHELP) {
        w->showUsingHelp();
    } else if (!helpFile || !w->open(QString::fromLocal8Bit(helpFile))) {
        shown = false;
    } else if (command == HELP_CONTEXT) {
        if (data == 0)
            w->showContents();
        else
            shown = data <= static_cast<std::uintptr_t>(kMaxContext) && w->showContext(static_cast<std::int32_t>(data));
    } else if (command == HELP_CONTENTS) {
        w->showContents();
    } else {
        const char* key = reinterpret_cast<const char*>(data);
        w->showIndex(key ? QString::fromLocal8Bit(key) : QString());
    }
    w->show();
    w->raise();
    w->activateWindow();
    return shown;
}

} // namespace help
