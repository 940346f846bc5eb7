#include "ui/SSPanel.h"

#include <QMouseEvent>
#include <QPainter>
#include <qdrawutil.h>

namespace ui {

SSPanel::SSPanel(QWidget* parent) : QFrame(parent) { setFrameStyle(QFrame::NoFrame); }

SSPanel::SSPanel(const QString& objectName, const QString& caption, QWidget* parent) : SSPanel(parent) {
    setObjectName(objectName);
    setCaption(caption);
}

void SSPanel::setCaption(const QString& caption) {
    if (caption == caption_)
        return;
    caption_ = caption;
    update();
    updateGeometry();
}

void SSPanel::setAlignment(Qt::Alignment alignment) {
    alignment_ = alignment;
    update();
}

void SSPanel::setForeColor(const QColor& color) {
    foreColor_ = color;
    update();
}

void SSPanel::setBevelOuter(Bevel bevel) {
    outer_ = bevel;
    update();
}

void SSPanel::setBevelInner(Bevel bevel) {
    inner_ = bevel;
    update();
}

void SSPanel::setBevelWidth(int width) {
    bevelWidth_ = std::max(0, width);
    update();
}

int SSPanel::inset() const {
    return (outer_ != Bevel::None ? bevelWidth_ : 0) + (inner_ != Bevel::None ? 1 + bevelWidth_ : 0) + 2;
}

QRect SSPanel::captionRect() const { return rect().adjusted(inset(), inset(), -inset(), -inset()); }

QSize SSPanel::sizeHint() const {
    const QSize text = fontMetrics().size(Qt::TextShowMnemonic, caption_);
    return QSize(text.width() + 2 * inset() + 8, text.height() + 2 * inset() + 4);
}

void SSPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QRect r = rect();
    if (outer_ != Bevel::None && bevelWidth_ > 0) {
        qDrawShadePanel(&painter, r, palette(), outer_ == Bevel::Inset, bevelWidth_);
        r.adjust(bevelWidth_, bevelWidth_, -bevelWidth_, -bevelWidth_);
    }
    if (inner_ != Bevel::None && bevelWidth_ > 0) {
        r.adjust(1, 1, -1, -1);
        qDrawShadePanel(&painter, r, palette(), inner_ == Bevel::Inset, bevelWidth_);
    }
    painter.setPen(foreColor_.isValid() ? foreColor_ : palette().color(QPalette::WindowText));
    painter.drawText(captionRect(), int(alignment_) | Qt::TextWordWrap | Qt::TextShowMnemonic, caption_);
}

void SSPanel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QFrame::mouseReleaseEvent(event);
}

} // namespace ui
