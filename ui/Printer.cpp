#include "ui/Printer.h"

#include "ui/Prompter.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>

namespace ui {

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
    QPrinter printer{QPrinter::HighResolution};
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
    int lines() const {
        return std::max(1, static_cast<int>(printer.pageLayout().paintRectPixels(printer.resolution()).height()) /
                               lineHeight());
    }
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

bool QtPrinter::endDoc() {
    if (!d_->begin())
        return false;
    return d_->painter.end();
}

int QtPrinter::page() const { return d_->page; }

int QtPrinter::currentLine() const { return d_->line; }

int QtPrinter::linesPerPage() const { return d_->lines(); }

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

bool RecordingPrinter::endDoc() {
    calls_ << QStringLiteral("endDoc");
    ended_ = true;
    return true;
}

} // namespace ui
