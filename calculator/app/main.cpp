#include "calculator/app/Calculator.h"
#include "calculator/app/WindowListener.h"

#include "runtime/Clock.h"
#include "ui/Clipboard.h"
#include "ui/Printer.h"
#include "ui/QtPrompter.h"
#include "winapi/VersionRecord.h"

#include <QApplication>

#include <memory>

// What "Abacon32.exe" says about itself in its version resource.
// clang-format off
VX_VERSION_RECORD(abaconVersionRecord,
                  VX_VERSION_ENTRY("FileVersion", "1.00.00.00")
                  VX_VERSION_ENTRY("ProductVersion", "1.00.00.00")
                  VX_VERSION_ENTRY("Translation", "040904E4")
                  VX_VERSION_ENTRY("FileDescription", "Abacon calculator")
                  VX_VERSION_ENTRY("ProductName", "Abacon")
                  VX_VERSION_ENTRY("OriginalFilename", "Abacon32.exe"));
// clang-format on

namespace {

// Each print job goes to the default printer as a document of its own.
class DefaultPrinter final : public ui::Printer {
public:
    void setFont(const QString& family, double points, bool bold, bool italic) override {
        job().setFont(family, points, bold, italic);
    }
    void printLine(const QString& text) override { job().printLine(text); }
    void newPage() override { job().newPage(); }
    bool endDoc() override {
        const bool ok = job().endDoc();
        job_.reset();
        return ok;
    }
    int page() const override { return job_ ? job_->page() : 1; }
    int currentLine() const override { return job_ ? job_->currentLine() : 0; }
    int linesPerPage() const override { return job_ ? job_->linesPerPage() : 0; }

private:
    ui::Printer& job() {
        if (!job_) {
            job_ = std::make_unique<ui::QtPrinter>(QString(), QString());
        }
        return *job_;
    }
    std::unique_ptr<ui::QtPrinter> job_;
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Abacon"));
    QApplication::setStyle(QStringLiteral("Fusion"));

    ui::QtPrompter prompter;
    runtime::SystemClock clock;
    ui::QtClipboard clipboard;
    DefaultPrinter printer;
    abacon::Calculator window({prompter, clock, clipboard, printer});
    prompter.setParent(&window);

    // The register finds, activates and closes the calculator by its caption.
    abacon::WindowListener listener(QStringLiteral("Calculator"), window.windowTitle());
    QObject::connect(&listener, &abacon::WindowListener::activateRequested, &window, [&window] {
        window.showNormal();
        window.raise();
        window.activateWindow();
    });
    QObject::connect(&listener, &abacon::WindowListener::keysReceived, &window,
                     [&window](const QString& keys) { window.sendKeys(keys); });
    listener.listen();

    window.show();
    return QApplication::exec();
}
