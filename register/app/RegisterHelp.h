#pragma once

#include <QObject>
#include <QString>

#include <cstdint>

class QWidget;

namespace ui {
class Prompter;
}

namespace ledger {

inline constexpr const char* kNoHelpFileText = "Can't find help files. Must be in RUN Directory!";
inline constexpr const char* kNoHelpFileTitle = "HELP File Error!";

// The register's way to its help file: found once at start (program directory, then PATH), opened
// through the help call at a context, and "Can't find help files" when the search found none.
class RegisterHelp : public QObject {
    Q_OBJECT
public:
    // Searches for the help file; the main window owns the object.
    RegisterHelp(QWidget& mainWindow, ui::Prompter& prompter);

    // The full path found, empty when the help file is missing.
    const QString& helpFile() const { return path_; }
    void setHelpFile(const QString& path) { path_ = path; }

    // The help call with the help file; the message box instead when there is none.
    void help(unsigned command, std::uintptr_t data = 0);
    void context(int helpContext);

    // The help object of the main window that `from` (a window or one of its dialogs) belongs to.
    static RegisterHelp* of(const QWidget* from);

private:
    QWidget& window_;
    ui::Prompter& prompter_;
    QString path_;
};

// The help topic of a dialog's help item; nothing when the dialog has no main window above it.
void showHelpContext(const QWidget* from, int helpContext);

} // namespace ledger
