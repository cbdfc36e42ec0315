#pragma once

#include <QIcon>
#include <QString>

namespace shell {

// A window's icon from an icon file, with every image the file holds.
QIcon loadWindowIcon(const QString& path);

} // namespace shell
