#pragma once

#include "form.h"

namespace marrowby {

// The rules, as a picture; nothing in it reacts to the game.
class RulesWindow : public shell::Form {
    Q_OBJECT
public:
    explicit RulesWindow(shell::Runtime& runtime);
};

} // namespace marrowby
