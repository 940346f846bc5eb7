#pragma once

#include "ui/QtText.h"

namespace ledger {

using ui::boxText;
using ui::qs;
using ui::utf8;

} // namespace ledger
