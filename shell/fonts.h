#pragma once

#include "formspec.h"

#include <QFont>

namespace shell {

// The font a description names, drawn with the free stand-in shipped in the
// program's resources, so every machine shows the same lettering. Sizes
// are fixed in pixels at 96 dots per inch, like the twip layout around them.
QFont fontFor(const FontSpec& spec);

} // namespace shell
