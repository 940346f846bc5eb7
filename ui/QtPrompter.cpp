#include "ui/QtPrompter.h"

#include "ui/Printer.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QGridLayout>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>

#include <vector>

namespace ui {

namespace {

struct ButtonChoice {
    QMessageBox::StandardButton button;
    int answer;
};

std::vector<ButtonChoice> buttonsFor(int style) {
    switch (style & kButtonsMask) {
    case vbOKCancel: return {{QMessageBox::Ok, vbOK}, {QMessageBox::Cancel, vbCancel}};
    case vbAbortRetryIgnore:
        return {{QMessageBox::Abort, vbAbort}, {QMessageBox::Retry, vbRetry}, {QMessageBox::Ignore, vbIgnore}};
    case vbYesNoCancel: return {{QMessageBox::Yes, vbYes}, {QMessageBox::No, vbNo}, {QMessageBox::Cancel, vbCancel}};
    case vbYesNo: return {{QMessageBox::Yes, vbYes}, {QMessageBox::No, vbNo}};
    case vbRetryCancel: return {{QMessageBox::Retry, vbRetry}, {QMessageBox::Cancel, vbCancel}};
    default: return {{QMessageBox::Ok, vbOK}};
    }
}

QMessageBox::Icon iconFor(int style) {
    switch (style & kIconMask) {
    case vbCritical: return QMessageBox::Critical;
    case vbQuestion: return QMessageBox::Question;
    case vbExclamation: return QMessageBox::Warning;
    case vbInformation: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

// Texts use CR, LF or CR LF for line breaks, as the Windows message box accepted.
QString plainLines(QString text) {
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

QString titleOrApp(const QString& title) {
    return title.isEmpty() ? QGuiApplication::applicationDisplayName() : title;
}

// A message box sizes itself to its text, and the window manager then cuts a longer title
// ("Inp...ror"). A row as wide as the title in a bold face, plus the frame's icon and buttons,
// keeps it whole.
void fitTitle(QMessageBox& box, const QString& title) {
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid)
        return;
    QFont bold = box.font();
    bold.setBold(true);
    const int width = QFontMetrics(bold).horizontalAdvance(title) + kTitleFrameAllowance;
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(), 0, 1,
                  grid->columnCount());
}

std::optional<FileDialogResult> runFileDialog(QWidget* parent, const FileDialogOptions& options, bool save) {
    QFileDialog dialog(parent, options.title, options.initialDir);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(!save && options.fileMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    const QStringList filters = qtNameFilters(options.filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        if (options.filterIndex >= 1 && options.filterIndex <= filters.size())
            dialog.selectNameFilter(filters.at(options.filterIndex - 1));
    }
    QString ext = options.defaultExt;
    if (ext.startsWith(QLatin1Char('.')))
        ext.remove(0, 1);
    dialog.setDefaultSuffix(ext);
    if (!options.overwritePrompt)
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!options.fileName.isEmpty())
        dialog.selectFile(options.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;

    const QString path = withDefaultExtension(dialog.selectedFiles().constFirst(), ext);
    if (!save && options.createPrompt && !QFileInfo::exists(path)) {
        const auto answer =
            QMessageBox::question(parent, options.title,
                                  QStringLiteral("%1\nThis file does not exist.\nDo you want to create it?")
                                      .arg(QFileInfo(path).fileName()));
        if (answer != QMessageBox::Yes)
            return std::nullopt;
    }
    FileDialogResult result;
    result.path = path;
    result.fileTitle = QFileInfo(path).fileName();
    result.filterIndex = static_cast<int>(filters.indexOf(dialog.selectedNameFilter())) + 1;
    if (result.filterIndex < 1)
        result.filterIndex = options.filterIndex;
    return result;
}

} // namespace

QStringList qtNameFilters(const QString& commonDialogFilter) {
    QStringList result;
    const QStringList parts = commonDialogFilter.split(QLatin1Char('|'));
    static const QRegularExpression trailingPatterns(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        QString description = parts.at(i).trimmed();
        QStringList patterns;
        if (i + 1 < parts.size())
            patterns = parts.at(i + 1).split(QLatin1Char(';'), Qt::SkipEmptyParts);
        if (description.isEmpty() && patterns.isEmpty())
            continue; // a trailing "|"
        for (QString& p : patterns) {
            p = p.trimmed();
            // On Windows "*.*" meant every file; here names need not have a dot.
            if (p == QLatin1String("*.*"))
                p = QStringLiteral("*");
        }
        if (patterns.isEmpty())
            patterns << QStringLiteral("*");
        // Qt reads the patterns from the last parentheses, so they must be the real ones.
        description.remove(trailingPatterns);
        if (description.isEmpty())
            description = patterns.join(QLatin1Char(' '));
        result << QStringLiteral("%1 (%2)").arg(description, patterns.join(QLatin1Char(' ')));
    }
    return result;
}

QString withDefaultExtension(const QString& path, const QString& ext) {
    QString e = ext;
    if (e.startsWith(QLatin1Char('.')))
        e.remove(0, 1);
    if (e.isEmpty() || path.isEmpty() || QFileInfo(path).fileName().contains(QLatin1Char('.')))
        return path;
    return path + QLatin1Char('.') + e;
}

QtPrompter::QtPrompter(QWidget* parent) : parent_(parent) {}

void QtPrompter::setParent(QWidget* parent) { parent_ = parent; }

int QtPrompter::msgBox(const QString& text, int style, const QString& title) {
    QMessageBox box(iconFor(style), titleOrApp(title), plainLines(text), QMessageBox::NoButton, parent_);
    const auto choices = buttonsFor(style);
    std::vector<QAbstractButton*> buttons;
    for (const auto& choice : choices)
        buttons.push_back(box.addButton(choice.button));
    const auto defaultIndex = static_cast<std::size_t>((style & kDefaultButtonMask) / vbDefaultButton2);
    box.setDefaultButton(
        qobject_cast<QPushButton*>(buttons.at(defaultIndex < buttons.size() ? defaultIndex : 0)));
    for (std::size_t i = 0; i < choices.size(); ++i)
        if (choices[i].answer == vbCancel || choices.size() == 1)
            box.setEscapeButton(buttons[i]);
    fitTitle(box, box.windowTitle());
    box.exec();
    for (std::size_t i = 0; i < choices.size(); ++i)
        if (box.clickedButton() == buttons[i])
            return choices[i].answer;
    // Closed without a button: the Windows box answers Cancel, or OK when that is the only button.
    return choices.size() == 1 ? vbOK : vbCancel;
}

std::optional<QString> QtPrompter::inputBox(const QString& prompt, const QString& title,
                                            const QString& defaultText) {
    QInputDialog dialog(parent_);
    dialog.setWindowTitle(titleOrApp(title));
    dialog.setLabelText(plainLines(prompt));
    dialog.setTextValue(defaultText);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

std::optional<QString> QtPrompter::passwordBox(const QString& prompt, const QString& title) {
    QInputDialog dialog(parent_);
    dialog.setWindowTitle(titleOrApp(title));
    dialog.setLabelText(plainLines(prompt));
    dialog.setTextEchoMode(QLineEdit::Password);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

std::optional<FileDialogResult> QtPrompter::openFile(const FileDialogOptions& options) {
    return runFileDialog(parent_, options, false);
}

std::optional<FileDialogResult> QtPrompter::saveFile(const FileDialogOptions& options) {
    return runFileDialog(parent_, options, true);
}

std::optional<QColor> QtPrompter::chooseColor(const QColor& initial, const QString& title) {
    const QColor color = QColorDialog::getColor(initial, parent_, title);
    if (!color.isValid())
        return std::nullopt;
    return color;
}

std::optional<QFont> QtPrompter::chooseFont(const QFont& initial) {
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, initial, parent_);
    if (!ok)
        return std::nullopt;
    return font;
}

std::optional<PrintDialogResult> QtPrompter::printDialog(const PrintDialogOptions& options) {
    QPrinter printer;
    printer.setCopyCount(options.copies);
    QPrintDialog dialog(&printer, parent_);
    if (options.maxPage > 0)
        dialog.setMinMax(options.minPage, options.maxPage);
    if (options.allowPageRange) {
        dialog.setOption(QAbstractPrintDialog::PrintPageRange);
        if (options.fromPage > 0)
            printer.setFromTo(options.fromPage, options.toPage);
    }
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    PrintDialogResult result;
    switch (printer.printRange()) {
    case QPrinter::PageRange: result.range = PrintRange::Pages; break;
    case QPrinter::Selection: result.range = PrintRange::Selection; break;
    default: result.range = PrintRange::All; break;
    }
    result.fromPage = printer.fromPage();
    result.toPage = printer.toPage();
    result.copies = printer.copyCount();
    result.printerName = printer.printerName();
    if (printer.outputFormat() == QPrinter::PdfFormat)
        result.outputFile = printer.outputFileName();
    return result;
}

bool QtPrompter::printPreview(const QString& title, const std::function<void(Printer&)>& render) {
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog dialog(&printer, parent_);
    dialog.setWindowTitle(title);
    // Asked when the window opens, on a page setup change and when printing from the window; the
    // same facade the print command uses, so the preview shows exactly the printed pages.
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&render](QPrinter* target) {
        QtPrinter pages(*target);
        render(pages);
        pages.endDoc();
    });
    return dialog.exec() == QDialog::Accepted;
}

int QtPrompter::runModal(QDialog& dialog) { return dialog.exec(); }

void QtPrompter::beep() { QApplication::beep(); }

} // namespace ui
