#pragma once

#include "ui/Prompter.h"

#include <QPointer>
#include <QWidget>

namespace ui {

// The real dialogs, parented to the given window so they centre on it.
class QtPrompter : public Prompter {
public:
    explicit QtPrompter(QWidget* parent = nullptr);
    void setParent(QWidget* parent);

    int msgBox(const QString& text, int style = vbOKOnly, const QString& title = QString()) override;
    std::optional<QString> inputBox(const QString& prompt, const QString& title = QString(),
                                    const QString& defaultText = QString()) override;
    std::optional<QString> passwordBox(const QString& prompt, const QString& title = QString()) override;
    std::optional<FileDialogResult> openFile(const FileDialogOptions& options) override;
    std::optional<FileDialogResult> saveFile(const FileDialogOptions& options) override;
    std::optional<QColor> chooseColor(const QColor& initial, const QString& title = QString()) override;
    std::optional<QFont> chooseFont(const QFont& initial) override;
    std::optional<PrintDialogResult> printDialog(const PrintDialogOptions& options) override;
    bool printPreview(const QString& title, const std::function<void(Printer&)>& render) override;
    int runModal(QDialog& dialog) override;
    void beep() override;

private:
    QPointer<QWidget> parent_;
};

// Room a window frame takes beside its title: the window icon and the frame's buttons, in pixels.
inline constexpr int kTitleFrameAllowance = 120;

// "LGN Files (*.lgn)|*.lgn|All Files (*.*)|*.*" -> {"LGN Files (*.lgn)", "All Files (*.*)"}, each
// name carrying its own patterns so Qt filters by them.
QStringList qtNameFilters(const QString& commonDialogFilter);
// The path with ".ext" appended when its file name has no extension and ext is not empty.
QString withDefaultExtension(const QString& path, const QString& ext);

} // namespace ui
