#pragma once

#include "form.h"

namespace marrowby {

// A caption and a picture; nothing in it reacts to the game.
class PictureWindow : public shell::Form {
    Q_OBJECT
public:
    PictureWindow(shell::Runtime& runtime, const shell::FormSpec& description);
};

// The rules, as a picture.
class RulesWindow : public PictureWindow {
    Q_OBJECT
public:
    explicit RulesWindow(shell::Runtime& runtime);

private:
    static const shell::FormSpec description;
};

// The warning before player 2's last move, as a picture.
class WarningWindow : public PictureWindow {
    Q_OBJECT
public:
    explicit WarningWindow(shell::Runtime& runtime);

private:
    static const shell::FormSpec description;
};

} // namespace marrowby
