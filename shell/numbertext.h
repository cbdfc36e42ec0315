#pragma once

#include <QString>
#include <cstdint>

namespace shell {

// Up to 15 significant digits, whole numbers as plain digits, the exponent
// form past that ("1E+20", "1.5E-05"); the point is always ".".
QString formatDouble(double v);
// The same with the 7 digits a single holds.
QString formatSingle(float v);

// The number at the start of a text after blanks, 0 where there is none.
// Never fails: a number too large for a double reads as infinity, and the
// arithmetic that uses it reports the overflow.
double readLeadingNumber(const QString& text);

// Strict readers: blanks may surround the number, nothing else may. Throw
// RuntimeError 13 for a text that is no number and 6 for one out of range.
double parseDouble(const QString& text);
std::int16_t parseInt16(const QString& text);

// Half to even, as the integer conversions round; RuntimeError 6 out of range.
std::int16_t roundToInt16(double v);
std::int32_t roundToInt32(double v);

} // namespace shell
