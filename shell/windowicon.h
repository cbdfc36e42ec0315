#pragma once

#include <QIcon>
#include <QImage>
#include <QList>
#include <QString>

namespace shell {

// The images of an icon file, in its order, read with no decoder but those
// it needs; none when the file needs Qt's own reading (see windowIconFrom).
// Touches no pixmap, so it may run on any thread.
QList<QImage> readWindowIconImages(const QString& path);

// The icon of those images, or, when there are none, Qt's reading of the file.
QIcon windowIconFrom(const QList<QImage>& images, const QString& path);

} // namespace shell
