#pragma once

#include "formspec.h"

#include <QColor>
#include <QPalette>

class QWidget;

// Which colours a window and its controls take, and how well a text stands
// out from what is behind it.
namespace shell {

// The desktop theme's colours for a window that uses only system colours.
// A window that sets any colour of its own mixes badly with a theme's
// colours for the rest, so it takes all of them from the classic light scheme.
QPalette schemeFor(const FormSpec& description, const QPalette& theme);

// A description's colour: its own, or the scheme's for a system colour.
QColor resolve(const Color& color, const QPalette& scheme);

// Gives a control the colours its row sets; a control without a background
// of its own shows the scheme's face colour, not its window's.
void applyColours(QWidget* widget, const ControlSpec& row, const QPalette& scheme);

// The contrast ratio of two colours, from 1 (none) to 21 (black on white).
double contrastRatio(const QColor& a, const QColor& b);

} // namespace shell
