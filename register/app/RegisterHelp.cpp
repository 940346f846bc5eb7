#include "register/app/RegisterHelp.h"

#include "help/viewer/WinHelp.h"
#include "register/app/frmChqList.h"
#include "register/core/FileSearch.h"
#include "ui/Prompter.h"
#include "winapi/Paths.h"

#include <QAction>

#include <cstdlib>
#include <string>

namespace ledger {

RegisterHelp::RegisterHelp(QWidget& mainWindow, ui::Prompter& prompter)
    : QObject(&mainWindow), window_(mainWindow), prompter_(prompter) {
    setObjectName(QStringLiteral("RegisterHelp"));
    const char* pathEnv = std::getenv("PATH");
    if (const auto found =
            findInPath(kHelpFileName, winapi::programDirectory().string(), pathEnv ? pathEnv : ""))
        path_ = QString::fromStdString(*found);
}

void RegisterHelp::help(unsigned command, std::uintptr_t data) {
    if (path_.isEmpty()) {
        prompter_.msgBox(QString::fromLatin1(kNoHelpFileText), ui::vbOKOnly + ui::vbExclamation,
                         QString::fromLatin1(kNoHelpFileTitle));
        return;
    }
    const QByteArray file = path_.toLocal8Bit();
    ::help::WinHelpA(&window_, file.constData(), command, data);
}

void RegisterHelp::context(int helpContext) {
    help(::help::HELP_CONTEXT, static_cast<std::uintptr_t>(helpContext));
}

RegisterHelp* RegisterHelp::of(const QWidget* from) {
    for (const QObject* o = from; o; o = o->parent())
        if (auto* found = o->findChild<RegisterHelp*>(QString(), Qt::FindDirectChildrenOnly))
            return found;
    return nullptr;
}

void connectHelpMenu(frmChqList& window, ui::Prompter& prompter) {
    auto* h = new RegisterHelp(window, prompter);
    const auto atContext = [h](QAction* item, int context) {
        QObject::connect(item, &QAction::triggered, h, [h, context] { h->context(context); });
    };
    atContext(window.mnuFeatures, 1100);
    QObject::connect(window.mnuHelpContents, &QAction::triggered, h, [h] { h->help(::help::HELP_CONTENTS, 0); });
    atContext(window.mnuButtonbar, 600);
    atContext(window.mnuAccessHelp, 400);
    atContext(window.mnuMenulist, 200);
    atContext(window.mnuHelpTopics, 300);
    QObject::connect(window.mnuHelpSearch, &QAction::triggered, h, [h] {
        static const char emptyKey[] = "";
        h->help(::help::HELP_PARTIALKEY, reinterpret_cast<std::uintptr_t>(emptyKey));
    });
    QObject::connect(window.mnuHelponHelp, &QAction::triggered, h, [h] { h->help(::help::HELP_HELPONHELP, 0); });
}

void showHelpContext(const QWidget* from, int helpContext) {
    if (RegisterHelp* h = RegisterHelp::of(from))
        h->context(helpContext);
}

} // namespace ledger
