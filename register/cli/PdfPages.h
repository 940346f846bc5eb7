#pragma once

#include "register/core/Report.h"

#include <string>
#include <vector>

namespace ledger {

// A PDF file of printed pages, one line of text after another in 10-point Courier on Letter paper,
// as the register prints them. Needs no GUI library: the font is one of the fourteen every PDF reader
// has, and the text goes in as Windows-1252 (WinAnsiEncoding), the register's own character set.
std::string pdfFromPages(const std::vector<PrintedPage>& pages);

} // namespace ledger
