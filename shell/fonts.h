#pragma once

#include "formspec.h"

#include <QFont>

namespace shell {

// The font a description names, drawn with the free stand-in shipped in the
// program's resources, so every machine shows the same lettering. Sizes
// are fixed in pixels at 96 dots per inch, like the twip layout around them.
QFont fontFor(const FontSpec& wanted);

// Makes the shipped face of a font known ahead of its use: registering a
// face flushes every font engine loaded so far, so a window registers all
// of its faces before it lays out any text.
void registerFaceOf(const FontSpec& wanted);

} // namespace shell
