#pragma once

#include <QGroupBox>

namespace ui {

// 3-D frame: a captioned container shown and hidden with the controls inside it.
class SSFrame : public QGroupBox {
    Q_OBJECT
public:
    explicit SSFrame(QWidget* parent = nullptr);
    SSFrame(const QString& objectName, const QString& caption, QWidget* parent = nullptr);

    void setCaption(const QString& caption) { setTitle(caption); }
    QString caption() const { return title(); }
};

} // namespace ui
