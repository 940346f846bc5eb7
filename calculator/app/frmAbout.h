#pragma once

#include <QDialog>

namespace abacon {

// The About window: picture, text with the version, and an OK button.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent = nullptr);
};

// "1.0.0", the version of the suite this calculator belongs to.
QString abaconVersion();

} // namespace abacon
