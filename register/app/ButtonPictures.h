#pragma once

#include <QPixmap>
#include <QString>

namespace ledger {

// The small pictures of the picture buttons, drawn at run time so the program needs no image files.
enum class Picture {
    Open,
    Save,
    Print,
    Calculator,
    Calendar,
    First,
    Last,
    Reconcile,
    Search,
    Select,
    SortCodes,
    SortDates,
    Lock,
    Ledger, // the product picture of the splash and the prompt panel
};

QPixmap buttonPicture(Picture picture, int size = 24);

} // namespace ledger
