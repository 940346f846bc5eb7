#include "ui/SSCommand.h"

#include <QEnterEvent>
#include <QIcon>
#include <QMouseEvent>

namespace ui {

SSCommand::SSCommand(QWidget* parent) : QPushButton(parent) {
    setMouseTracking(true); // mouse moves without a button held feed the hint line
    connect(this, &QPushButton::clicked, this, [this] { emit clickedIndex(index_); });
}

SSCommand::SSCommand(const QString& objectName, const QString& caption, QWidget* parent) : SSCommand(parent) {
    setObjectName(objectName);
    setCaption(caption);
}

void SSCommand::setCaption(const QString& caption) {
    caption_ = caption;
    if (picture_.isNull())
        setText(caption);
}

QString SSCommand::caption() const { return caption_; }

void SSCommand::setPicture(const QPixmap& picture) {
    picture_ = picture;
    if (picture.isNull()) {
        setIcon(QIcon());
        setText(caption_);
    } else {
        setText(QString());
        setIcon(QIcon(picture));
        setIconSize(picture.size());
    }
}

void SSCommand::mouseMoveEvent(QMouseEvent* event) {
    emit mouseMoved(event->buttons(), event->modifiers(), event->position().toPoint());
    QPushButton::mouseMoveEvent(event);
}

void SSCommand::enterEvent(QEnterEvent* event) {
    emit mouseMoved(Qt::NoButton, event->modifiers(), event->position().toPoint());
    QPushButton::enterEvent(event);
}

} // namespace ui
