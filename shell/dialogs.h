#pragma once

#include <QString>

namespace shell {

// Message-box styles: the buttons in the low three bits, the icon in the
// three above them, so a style is one of each added together.
namespace Style {
constexpr int Ok = 0;
constexpr int YesNo = 4;
constexpr int Critical = 16;
constexpr int Question = 32;
constexpr int Exclamation = 48;
constexpr int Information = 64;

constexpr bool isYesNo(int style) { return (style & 0x7) == YesNo; }
// Critical, Question, Exclamation, Information, or 0 for none.
constexpr int iconOf(int style) { return style & 0x70; }
}

// The answers a message box gives.
namespace Answer {
constexpr int Ok = 1;
constexpr int Yes = 6;
constexpr int No = 7;
}

// Modal boxes go through here so that tests can answer them from a script.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual int messageBox(const QString& prompt, int style, const QString& title) = 0;
    // The typed text; empty when the player cancels.
    virtual QString inputBox(const QString& prompt, const QString& title) = 0;
};

} // namespace shell
