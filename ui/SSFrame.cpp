#include "ui/SSFrame.h"

namespace ui {

SSFrame::SSFrame(QWidget* parent) : QGroupBox(parent) {}

SSFrame::SSFrame(const QString& objectName, const QString& caption, QWidget* parent) : QGroupBox(caption, parent) {
    setObjectName(objectName);
}

} // namespace ui
