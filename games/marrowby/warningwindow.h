#pragma once

#include "form.h"

namespace marrowby {

// The warning before player 2's last move, as a picture.
class WarningWindow : public shell::Form {
    Q_OBJECT
public:
    explicit WarningWindow(shell::Runtime& runtime);
};

} // namespace marrowby
