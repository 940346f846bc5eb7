#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QPainter;
class QPrinter;
class QRectF;

namespace ui {

struct PrintDialogResult;

// Line printer: the programs print reports line by line in one font, with page control.
class Printer {
public:
    virtual ~Printer() = default;
    // Whether the family can be printed: the system has it, or a stand-in it names for it. A family
    // that would fall back to the general default font cannot.
    virtual bool hasFont(const QString& family) const;
    virtual void setFont(const QString& family, double points, bool bold, bool italic) = 0;
    // Prints one line and moves to the next; starts a new page first when the page is full.
    virtual void printLine(const QString& text) = 0;
    virtual void newPage() = 0;
    // Paints into the printable area of a page: the area in device pixels and the painter.
    using PagePainter = std::function<void(QPainter&, const QRectF&)>;
    // Draws a picture (a chart) on a page of its own, after whatever is printed already; the next
    // line starts a new page. `name` says what it is.
    virtual void drawPage(const QString& name, const PagePainter& paint) = 0;
    // Finishes the document; false when it could not be produced.
    virtual bool endDoc() = 0;
    // 1-based number of the page being printed.
    virtual int page() const = 0;
    // 0-based line on the page where the next line goes, and how many lines fit on a page in
    // the current font.
    virtual int currentLine() const = 0;
    virtual int linesPerPage() const = 0;
};

// Prints with Qt to a printer or, with an output file, to PDF.
class QtPrinter : public Printer {
public:
    // Empty printerName: the default printer; non-empty pdfFile: print into that PDF file.
    QtPrinter(const QString& printerName, const QString& pdfFile);
    explicit QtPrinter(const PrintDialogResult& choice);
    // Prints on a printer someone else owns and set up (the print preview's).
    explicit QtPrinter(QPrinter& target);
    ~QtPrinter() override;

    void setFont(const QString& family, double points, bool bold, bool italic) override;
    void printLine(const QString& text) override;
    void newPage() override;
    void drawPage(const QString& name, const PagePainter& paint) override;
    bool endDoc() override;
    int page() const override;
    int currentLine() const override;
    int linesPerPage() const override;

private:
    struct Impl;
    std::unique_ptr<Impl> d_;
};

// The system's default printer, each document a print job of its own (so a second report prints
// as the first did). The Qt printer is made when a job starts, not before: making one loads the
// print system, which a program need not wait for at start.
class DefaultPrinter final : public Printer {
public:
    DefaultPrinter();
    ~DefaultPrinter() override;

    void setFont(const QString& family, double points, bool bold, bool italic) override;
    void printLine(const QString& text) override;
    void newPage() override;
    void drawPage(const QString& name, const PagePainter& paint) override;
    bool endDoc() override;
    int page() const override;
    int currentLine() const override;
    int linesPerPage() const override;

private:
    Printer& job();
    std::unique_ptr<QtPrinter> job_;
};

// Records every call in order, for tests. Pages hold linesPerPage lines (60 unless set).
class RecordingPrinter : public Printer {
public:
    explicit RecordingPrinter(int linesPerPage = 60) : linesPerPage_(linesPerPage) {}

    void setFont(const QString& family, double points, bool bold, bool italic) override;
    void printLine(const QString& text) override;
    void newPage() override;
    // Recorded as "page <name>"; the picture is painted on a letter-sized page image kept as the
    // last picture.
    void drawPage(const QString& name, const PagePainter& paint) override;
    bool endDoc() override;
    int page() const override { return page_; }
    int currentLine() const override { return line_; }
    int linesPerPage() const override { return linesPerPage_; }

    bool hasFont(const QString& family) const override { return !missingFonts_.contains(family); }
    void setMissingFonts(const QStringList& families) { missingFonts_ = families; }
    // "font Courier New 10 bold", "line <text>", "newPage", "page <name>", "endDoc" - in call order.
    const QStringList& calls() const { return calls_; }
    // The printed lines, one list per page.
    const QList<QStringList>& pages() const { return pages_; }
    bool ended() const { return ended_; }
    const QImage& lastPicture() const { return picture_; }

private:
    int linesPerPage_;
    int page_ = 1;
    int line_ = 0;
    bool ended_ = false;
    QImage picture_;
    QStringList calls_;
    QStringList missingFonts_;
    QList<QStringList> pages_{QStringList()};
};

} // namespace ui
