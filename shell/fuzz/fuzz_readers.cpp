// Properties of the text-to-number readers on any text a player could type.
#include "fuzzcheck.h"
#include "numbertext.h"
#include "runtimeerror.h"
#include "value.h"

#include <QString>
#include <cmath>
#include <cstdint>
#include <optional>

using namespace shell;

namespace {

template <typename Read>
auto strictly(Read read) -> std::optional<decltype(read())>
{
    try {
        return read();
    } catch (const RuntimeError& error) {
        // A strict reader knows only two ways to refuse a text.
        FUZZ_CHECK(error.code() == ErrorCode::TypeMismatch || error.code() == ErrorCode::Overflow);
        return std::nullopt;
    }
}

bool closeEnough(double a, double b, double relative)
{
    return a == b || std::fabs(a - b) <= relative * std::fmax(std::fabs(a), std::fabs(b));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Half the inputs as UTF-8, half as raw UTF-16, so any character can appear.
    const QString text = size % 2 == 0
        ? QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size))
        : QString::fromUtf16(reinterpret_cast<const char16_t*>(data), qsizetype(size / 2));

    const double lenient = readLeadingNumber(text);  // must never throw
    FUZZ_CHECK(!std::isnan(lenient));

    const auto asDouble = strictly([&] { return parseDouble(text); });
    const auto asInt16 = strictly([&] { return parseInt16(text); });

    if (asDouble) {
        FUZZ_CHECK(std::isfinite(*asDouble));
        // Where the strict reader takes a text, the lenient one reads the same number.
        FUZZ_CHECK(lenient == *asDouble);
        // Written plainly and read back, the value survives to 15 digits.
        const double again = parseDouble(plainText(Value::real(*asDouble)));
        FUZZ_CHECK(closeEnough(again, *asDouble, 1e-14));
    }
    // The integer reader accepts exactly the numbers that round into range.
    FUZZ_CHECK(asInt16.has_value() == (asDouble && std::nearbyint(*asDouble) >= -32768
                                       && std::nearbyint(*asDouble) <= 32767));
    if (asInt16) {
        FUZZ_CHECK(*asInt16 == std::nearbyint(*asDouble));
        FUZZ_CHECK(parseInt16(plainText(Value::integer(*asInt16))) == *asInt16);
    }
    return 0;
}
