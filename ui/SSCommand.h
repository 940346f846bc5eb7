#pragma once

#include <QPixmap>
#include <QPushButton>

namespace ui {

// 3-D command button: a caption with an access key ("&Save") or a picture in its place, a click
// and a mouse-move signal (for hint lines), and an index for buttons that form a control array.
class SSCommand : public QPushButton {
    Q_OBJECT
public:
    explicit SSCommand(QWidget* parent = nullptr);
    SSCommand(const QString& objectName, const QString& caption, QWidget* parent = nullptr);

    void setCaption(const QString& caption);
    QString caption() const;
    // A picture replaces the caption; a null pixmap brings the caption back.
    void setPicture(const QPixmap& picture);
    QPixmap picture() const { return picture_; }
    // Position in a control array; -1 for a lone button.
    void setIndex(int index) { index_ = index; }
    int index() const { return index_; }

signals:
    // Emitted with the index after every click, so one handler can serve a control array.
    void clickedIndex(int index);
    // The pointer moved over the button (also on entering it), in button coordinates.
    void mouseMoved(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, QPoint pos);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;

private:
    QString caption_;
    QPixmap picture_;
    int index_ = -1;
};

} // namespace ui
