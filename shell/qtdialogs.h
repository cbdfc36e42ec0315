#pragma once

#include "dialogs.h"

namespace shell {

// The boxes the player sees: Qt's standard dialogs, their buttons in the
// game's language.
class QtDialogs final : public Dialogs {
public:
    int messageBox(const QString& prompt, int style, const QString& title) override;
    QString inputBox(const QString& prompt, const QString& title) override;
};

} // namespace shell
