#include "catalog.h"

namespace catalog {

void Player::click(const char* name, int index) const
{
    press(qobject_cast<QAbstractButton*>(window.control(QString::fromUtf8(name), index)));
}

void Player::type(const char* name, const QString& text) const
{
    window.textBox(QString::fromUtf8(name))->setText(text);
}

QString Game::title(const Window& window) const
{
    return window.role.isEmpty() ? programName : programName + QLatin1Char(' ') + window.role;
}

} // namespace catalog
