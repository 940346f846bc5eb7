#include "register/cli/PdfPages.h"

#include "runtime/Cp1252.h"

#include <algorithm>
#include <cstdio>

namespace ledger {

namespace {

constexpr double kPageWidth = 612, kPageHeight = 792, kMargin = 36, kFontPoints = 10;

// A text string of a content stream: Windows-1252 bytes, with the three characters that would end or
// escape it escaped.
std::string pdfString(const std::string& utf8) {
    std::string out = "(";
    for (const char c : runtime::utf8ToCp1252(utf8)) {
        if (c == '(' || c == ')' || c == '\\')
            out += '\\';
        out += c;
    }
    return out + ")";
}

std::string number(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.2f", value);
    return buffer;
}

} // namespace

std::string pdfFromPages(const std::vector<PrintedPage>& pages) {
    std::size_t mostLines = 1;
    for (const PrintedPage& page : pages)
        mostLines = std::max(mostLines, page.lines.size());
    // Lines 12 points apart, closer where a page holds more than fits so (never below the font size).
    const double leading =
        std::max(kFontPoints, std::min(12.0, (kPageHeight - 2 * kMargin) / static_cast<double>(mostLines)));

    std::vector<std::string> objects; // object n is objects[n - 1]
    objects.push_back("<< /Type /Catalog /Pages 2 0 R >>");
    objects.push_back(""); // the page tree, once the pages are numbered
    objects.push_back("<< /Type /Font /Subtype /Type1 /BaseFont /Courier /Encoding /WinAnsiEncoding >>");
    std::string kids;
    for (const PrintedPage& page : pages) {
        std::string stream = "BT\n/F1 " + number(kFontPoints) + " Tf\n" + number(leading) + " TL\n" +
                             number(kMargin) + " " + number(kPageHeight - kMargin - kFontPoints) + " Td\n";
        for (const std::string& line : page.lines)
            stream += pdfString(line) + " Tj T*\n";
        stream += "ET\n";
        objects.push_back("<< /Length " + std::to_string(stream.size()) + " >>\nstream\n" + stream +
                          "endstream");
        const std::size_t content = objects.size();
        objects.push_back("<< /Type /Page /Parent 2 0 R /MediaBox [0 0 " + number(kPageWidth) + " " +
                          number(kPageHeight) + "] /Resources << /Font << /F1 3 0 R >> >> /Contents " +
                          std::to_string(content) + " 0 R >>");
        kids += std::to_string(objects.size()) + " 0 R ";
    }
    objects[1] = "<< /Type /Pages /Kids [" + kids + "] /Count " + std::to_string(pages.size()) + " >>";

    std::string pdf = "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n";
    std::vector<std::size_t> offsets;
    for (std::size_t i = 0; i < objects.size(); ++i) {
        offsets.push_back(pdf.size());
        pdf += std::to_string(i + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
    }
    const std::size_t xref = pdf.size();
    pdf += "xref\n0 " + std::to_string(objects.size() + 1) + "\n0000000000 65535 f \n";
    for (const std::size_t offset : offsets) {
        char entry[24];
        std::snprintf(entry, sizeof entry, "%010zu 00000 n \n", offset);
        pdf += entry;
    }
    pdf += "trailer\n<< /Size " + std::to_string(objects.size() + 1) + " /Root 1 0 R >>\nstartxref\n" +
           std::to_string(xref) + "\n%%EOF\n";
    return pdf;
}

} // namespace ledger
