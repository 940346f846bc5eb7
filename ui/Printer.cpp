#include "ui/Printer.h"

#include "ui/Prompter.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>

namespace ui {

bool Printer::hasFont(const QString& family) const {
    if (QFontDatabase::hasFamily(family))
        return true;
    const QString used = QFontInfo(QFont(family)).family();
    const QString fallback = QFontInfo(QFont(QFontDatabase::systemFont(QFontDatabase::GeneralFont).family())).family();
    return used.compare(fallback, Qt::CaseInsensitive) != 0;
}

namespace {

QString fontCall(const QString& family, double points, bool bold, bool italic) {
    QString call = QStringLiteral("font %1 %2").arg(family).arg(points);
    if (bold)
        call += QStringLiteral(" bold");
    if (italic)
        call += QStringLiteral(" italic");
    return call;
}

} // namespace

struct QtPrinter::Impl {
    explicit Impl(QPrinter* target = nullptr)
        : owned(target ? nullptr : std::make_unique<QPrinter>(QPrinter::HighResolution)),
          printer(target ? *target : *owned) {}

    std::unique_ptr<QPrinter> owned;
    QPrinter& printer;
    QPainter painter;
    QFont font{QStringLiteral("Courier New"), 10};
    bool started = false;
    bool failed = false;
    int page = 1;
    int line = 0;

    bool begin() {
        if (started || failed)
            return started;
        started = painter.begin(&printer);
        failed = !started;
        if (started)
            painter.setFont(font);
        return started;
    }
    int lineHeight() const { return std::max(1, QFontMetrics(font, &printer).lineSpacing()); }
    QRect paintArea() const { return printer.pageLayout().paintRectPixels(printer.resolution()); }
    int lines() const { return std::max(1, paintArea().height() / lineHeight()); }
};

QtPrinter::QtPrinter(const QString& printerName, const QString& pdfFile) : d_(std::make_unique<Impl>()) {
    if (!pdfFile.isEmpty()) {
        d_->printer.setOutputFormat(QPrinter::PdfFormat);
        d_->printer.setOutputFileName(pdfFile);
    } else if (!printerName.isEmpty()) {
        d_->printer.setPrinterName(printerName);
    }
}

QtPrinter::QtPrinter(const PrintDialogResult& choice) : QtPrinter(choice.printerName, choice.outputFile) {
    d_->printer.setCopyCount(choice.copies);
}

QtPrinter::QtPrinter(QPrinter& target) : d_(std::make_unique<Impl>(&target)) {}

QtPrinter::~QtPrinter() {
    if (d_->painter.isActive())
        d_->painter.end();
}

void QtPrinter::setFont(const QString& family, double points, bool bold, bool italic) {
    d_->font = QFont(family);
    if (points > 0)
        d_->font.setPointSizeF(points);
    d_->font.setBold(bold);
    d_->font.setItalic(italic);
    if (d_->painter.isActive())
        d_->painter.setFont(d_->font);
}

void QtPrinter::printLine(const QString& text) {
    if (!d_->begin())
        return;
    if (d_->line >= d_->lines())
        newPage();
    const int y = d_->line * d_->lineHeight() + QFontMetrics(d_->font, &d_->printer).ascent();
    d_->painter.drawText(0, y, text);
    ++d_->line;
}

void QtPrinter::newPage() {
    if (!d_->begin())
        return;
    d_->printer.newPage();
    ++d_->page;
    d_->line = 0;
}

void QtPrinter::drawPage(const QString& name, const PagePainter& paint) {
    Q_UNUSED(name)
    if (!d_->begin())
        return;
    if (d_->line > 0)
        newPage();
    const QRect area = d_->paintArea();
    d_->painter.save();
    paint(d_->painter, QRectF(0, 0, area.width(), area.height()));
    d_->painter.restore();
    d_->painter.setFont(d_->font);
    d_->line = d_->lines(); // the page is taken: the next line starts another
}

bool QtPrinter::endDoc() {
    if (!d_->begin())
        return false;
    return d_->painter.end();
}

int QtPrinter::page() const { return d_->page; }

int QtPrinter::currentLine() const { return d_->line; }

int QtPrinter::linesPerPage() const { return d_->lines(); }

DefaultPrinter::DefaultPrinter() = default;
DefaultPrinter::~DefaultPrinter() = default;

Printer& DefaultPrinter::job() {
    if (!job_)
        job_ = std::make_unique<QtPrinter>(QString(), QString());
    return *job_;
}

void DefaultPrinter::setFont(const QString& family, double points, bool bold, bool italic) {
    job().setFont(family, points, bold, italic);
}

void DefaultPrinter::printLine(const QString& text) { job().printLine(text); }

void DefaultPrinter::newPage() { job().newPage(); }

void DefaultPrinter::drawPage(const QString& name, const PagePainter& paint) { job().drawPage(name, paint); }

bool DefaultPrinter::endDoc() {
    const bool ok = job().endDoc();
    job_.reset();
    return ok;
}

int DefaultPrinter::page() const { return job_ ? job_->page() : 1; }

int DefaultPrinter::currentLine() const { return job_ ? job_->currentLine() : 0; }

int DefaultPrinter::linesPerPage() const { return job_ ? job_->linesPerPage() : 0; }

void RecordingPrinter::setFont(const QString& family, double points, bool bold, bool italic) {
    calls_ << fontCall(family, points, bold, italic);
}

void RecordingPrinter::printLine(const QString& text) {
    if (line_ >= linesPerPage_) {
        pages_.append(QStringList());
        ++page_;
        line_ = 0;
    }
    calls_ << QStringLiteral("line ") + text;
    pages_.last().append(text);
    ++line_;
}

void RecordingPrinter::newPage() {
    calls_ << QStringLiteral("newPage");
    pages_.append(QStringList());
    ++page_;
    line_ = 0;
}

void RecordingPrinter::drawPage(const QString& name, const PagePainter& paint) {
    calls_ << QStringLiteral("page ") + name;
    if (line_ > 0) {
        pages_.append(QStringList());
        ++page_;
    }
    // Letter paper at 100 dots per inch, less half-inch margins.
    picture_ = QImage(750, 1000, QImage::Format_RGB32);
    picture_.fill(Qt::white);
    QPainter painter(&picture_);
    paint(painter, QRectF(picture_.rect()));
    line_ = linesPerPage_;
}

bool RecordingPrinter::endDoc() {
    calls_ << QStringLiteral("endDoc");
    ended_ = true;
    return true;
}

} // namespace ui
