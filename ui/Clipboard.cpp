#include "ui/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace ui {

QString QtClipboard::text() const { return QGuiApplication::clipboard()->text(); }

void QtClipboard::setText(const QString& text) { QGuiApplication::clipboard()->setText(text); }

void QtClipboard::clear() { QGuiApplication::clipboard()->clear(); }

} // namespace ui
