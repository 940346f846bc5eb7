#include "register/app/RegisterHelp.h"

#include "help/viewer/WinHelp.h"
#include "register/core/FileSearch.h"
#include "ui/Prompter.h"
#include "winapi/Paths.h"

#include <QWidget>

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

void showHelpContext(const QWidget* from, int helpContext) {
    if (RegisterHelp* h = RegisterHelp::of(from))
        h->context(helpContext);
}

} // namespace ledger
