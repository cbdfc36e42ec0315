#pragma once

#include "form.h"

namespace marrowby {

// The rules, as a picture; nothing in it reacts to the game.
class frm3 : public shell::Form {
    Q_OBJECT
public:
    explicit frm3(shell::Runtime& runtime);
};

} // namespace marrowby
