#pragma once

#include <QIcon>
#include <QString>

namespace abacon {

// The picture of a toolbar key ("Label", "Clear", "Print", ...), drawn rather than shipped.
QIcon toolIcon(const QString& key);

} // namespace abacon
