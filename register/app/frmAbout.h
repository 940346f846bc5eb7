#pragma once

#include <QDialog>
#include <QString>

class QLabel;

namespace ui {
class SSCommand;
}

namespace ledger {

// The About window: the product picture, what the program is and its version as the program
// file's version record gives it, and a button to close.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(const QString& programFile, QWidget* parent = nullptr);

    QLabel* imgAbout = nullptr;
    QLabel* lblAbout = nullptr;
    ui::SSCommand* cmdAbout = nullptr;
};

// A value of the version record of a program or module file ("ProductName", "FileVersion", ...),
// in its first translation; empty when the file has no record or the record lacks the value.
QString versionRecordValue(const QString& file, const char* name);

} // namespace ledger
