#pragma once

#include <QString>
#include <QStringList>

#include <memory>

namespace ui {

struct PrintDialogResult;

// Line printer: the programs print reports line by line in one font, with page control.
class Printer {
public:
    virtual ~Printer() = default;
    virtual void setFont(const QString& family, double points, bool bold, bool italic) = 0;
    // Prints one line and moves to the next; starts a new page first when the page is full.
    virtual void printLine(const QString& text) = 0;
    virtual void newPage() = 0;
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
    ~QtPrinter() override;

    void setFont(const QString& family, double points, bool bold, bool italic) override;
    void printLine(const QString& text) override;
    void newPage() override;
    bool endDoc() override;
    int page() const override;
    int currentLine() const override;
    int linesPerPage() const override;

private:
    struct Impl;
    std::unique_ptr<Impl> d_;
};

// Records every call in order, for tests. Pages hold linesPerPage lines (60 unless set).
class RecordingPrinter : public Printer {
public:
    explicit RecordingPrinter(int linesPerPage = 60) : linesPerPage_(linesPerPage) {}

    void setFont(const QString& family, double points, bool bold, bool italic) override;
    void printLine(const QString& text) override;
    void newPage() override;
    bool endDoc() override;
    int page() const override { return page_; }
    int currentLine() const override { return line_; }
    int linesPerPage() const override { return linesPerPage_; }

    // "font Courier New 10 bold", "line <text>", "newPage", "endDoc" - in call order.
    const QStringList& calls() const { return calls_; }
    // The printed lines, one list per page.
    const QList<QStringList>& pages() const { return pages_; }
    bool ended() const { return ended_; }

private:
    int linesPerPage_;
    int page_ = 1;
    int line_ = 0;
    bool ended_ = false;
    QStringList calls_;
    QList<QStringList> pages_{QStringList()};
};

} // namespace ui
