#include "numbertext.h"
#include "runtimeerror.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <string_view>

namespace shell {

namespace {

QString formatGeneral(double v, int digits)
{
    if (v == 0)
        return QStringLiteral("0"); // also for -0
    if (std::isnan(v))
        return QStringLiteral("NaN");
    if (std::isinf(v))
        return v < 0 ? QStringLiteral("-Inf") : QStringLiteral("Inf");
    // to_chars ignores the C locale, which Qt sets from the environment.
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, v,
                                      std::chars_format::general, digits);
    // to_chars already writes two exponent digits at least: "1e+05", as players know it.
    return QString::fromLatin1(buffer, result.ptr - buffer).replace(QLatin1Char('e'), QLatin1Char('E'));
}

bool isBlank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }
bool isDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

// One number as the runtime writes it: sign, digits with an optional point,
// an optional exponent marked E or D.
struct Scan {
    qsizetype end = 0;        // one past the number; 0 when there is none
    std::string number;       // normalised for from_chars
    int leadingExponent = 0;  // order of magnitude, to tell overflow from underflow
    bool allZero = true;
};

Scan scanNumber(const QString& text, qsizetype pos)
{
    Scan scan;
    std::string out;
    if (pos < text.size() && (text[pos] == QLatin1Char('+') || text[pos] == QLatin1Char('-'))) {
        if (text[pos] == QLatin1Char('-'))
            out += '-';
        ++pos;
    }
    int integerDigits = 0;
    int fractionZeros = 0;
    bool seenDigit = false;
    for (; pos < text.size() && isDigit(text[pos]); ++pos) {
        const char c = char(text[pos].unicode());
        if (c != '0' || !scan.allZero) {
            scan.allZero = false;
            ++integerDigits;
        }
        out += c;
        seenDigit = true;
    }
    if (pos < text.size() && text[pos] == QLatin1Char('.')) {
        qsizetype p = pos + 1;
        std::string fraction;
        for (; p < text.size() && isDigit(text[p]); ++p) {
            const char c = char(text[p].unicode());
            if (scan.allZero && c == '0')
                ++fractionZeros;
            else
                scan.allZero = false;
            fraction += c;
        }
        if (seenDigit || !fraction.empty()) {
            out += (seenDigit ? "." : "0.") + fraction;
            seenDigit = true;
            pos = p;
        }
    }
    if (!seenDigit)
        return scan;
    scan.end = pos;
    long long exponent = 0;
    if (pos < text.size()) {
        const QChar marker = text[pos].toUpper();
        if (marker == QLatin1Char('E') || marker == QLatin1Char('D')) {
            qsizetype p = pos + 1;
            bool negative = false;
            if (p < text.size() && (text[p] == QLatin1Char('+') || text[p] == QLatin1Char('-')))
                negative = text[p++] == QLatin1Char('-');
            std::string digits;
            for (; p < text.size() && isDigit(text[p]); ++p)
                digits += char(text[p].unicode());
            if (!digits.empty()) {
                // Exponents beyond any double are capped; the value is then
                // out of range either way.
                for (char c : digits)
                    exponent = std::min(exponent * 10 + (c - '0'), 100000LL);
                if (negative)
                    exponent = -exponent;
                out += 'e' + std::to_string(exponent);
                scan.end = p;
            }
        }
    }
    scan.number = out;
    scan.leadingExponent = int(exponent) + (integerDigits > 0 ? integerDigits - 1 : -fractionZeros - 1);
    return scan;
}

// The largest double as the runtime writes it, 1.79769313486232E+308: a
// little more than the largest double, and read back as it.
constexpr std::string_view largestWrittenDigits = "179769313486232";
constexpr int largestWrittenExponent = 308;

// Whether a number beyond a double is no more than the largest as written.
// Compared digit by digit: a wider type does not read it everywhere (MinGW's
// from_chars for long double does not).
bool withinLargestWritten(const Scan& scan)
{
    if (scan.leadingExponent != largestWrittenExponent)
        return scan.leadingExponent < largestWrittenExponent;
    std::string digits;
    for (const char c : scan.number) {
        if (c == 'e')
            break;
        if (c >= '0' && c <= '9' && (c != '0' || !digits.empty()))
            digits += c;
    }
    std::string largest(largestWrittenDigits);
    const std::size_t width = std::max(digits.size(), largest.size());
    digits.resize(width, '0');
    largest.resize(width, '0');
    return digits <= largest;
}

// The value of a scanned number; infinity where it is beyond a double.
double valueOf(const Scan& scan)
{
    double value = 0;
    const char* begin = scan.number.data();
    const auto result = std::from_chars(begin, begin + scan.number.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        const bool negative = scan.number.front() == '-';
        if (scan.allZero || scan.leadingExponent < 0)
            return negative ? -0.0 : 0.0;
        const double limit = withinLargestWritten(scan) ? std::numeric_limits<double>::max()
                                                        : std::numeric_limits<double>::infinity();
        return negative ? -limit : limit;
    }
    return value;
}

qsizetype skipBlanks(const QString& text, qsizetype pos)
{
    while (pos < text.size() && isBlank(text[pos]))
        ++pos;
    return pos;
}

template <typename Int>
Int roundToInteger(double v)
{
    const double rounded = std::nearbyint(v); // the default mode rounds half to even
    if (!(rounded >= std::numeric_limits<Int>::min() && rounded <= std::numeric_limits<Int>::max()))
        throw RuntimeError(ErrorCode::Overflow);
    return static_cast<Int>(rounded);
}

} // namespace

QString formatDouble(double v) { return formatGeneral(v, 15); }

QString formatSingle(float v)
{
    // Seven digits are all a single holds, so 0.1f prints "0.1".
    return formatGeneral(v, 7);
}

double readLeadingNumber(const QString& text)
{
    qsizetype pos = text.size();
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!isBlank(text[i]) && text[i] != QLatin1Char('\n') && text[i] != QLatin1Char('\r')) {
            pos = i;
            break;
        }
    }
    const Scan scan = scanNumber(text, pos);
    return scan.end == 0 ? 0.0 : valueOf(scan);
}

double parseDouble(const QString& text)
{
    const qsizetype start = skipBlanks(text, 0);
    const Scan scan = scanNumber(text, start);
    if (scan.end == 0 || skipBlanks(text, scan.end) != text.size())
        throw RuntimeError(ErrorCode::TypeMismatch);
    const double value = valueOf(scan);
    if (std::isinf(value))
        throw RuntimeError(ErrorCode::Overflow);
    return value;
}

std::int16_t parseInt16(const QString& text) { return roundToInteger<std::int16_t>(parseDouble(text)); }
std::int16_t roundToInt16(double v) { return roundToInteger<std::int16_t>(v); }
std::int32_t roundToInt32(double v) { return roundToInteger<std::int32_t>(v); }

} // namespace shell
