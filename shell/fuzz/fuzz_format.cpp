// Properties of number-to-text and of the widening arithmetic on any numbers.
#include "fuzzcheck.h"
#include "numbertext.h"
#include "runtimeerror.h"
#include "value.h"

#include <QRegularExpression>
#include <QString>
#include <cmath>
#include <cstdint>
#include <cstring>

using namespace shell;

namespace {

const QRegularExpression numberForm(QStringLiteral(R"(^-?\d+(\.\d+)?(E[+-]\d{2,3})?$)"));

Value valueOf(std::uint8_t kind, const std::uint8_t* bytes)
{
    std::int64_t raw;
    std::memcpy(&raw, bytes, sizeof raw);
    double d;
    std::memcpy(&d, bytes, sizeof d);
    float f;
    std::memcpy(&f, bytes, sizeof f);
    switch (kind % 6) {
    case 0: return Value();
    case 1: return Value::integer(std::int16_t(raw));
    case 2: return Value::longInteger(std::int32_t(raw));
    case 3: return std::isfinite(f) ? Value::single(f) : Value::single(0);
    case 4: return std::isfinite(d) ? Value::real(d) : Value::real(0);
    default: return Value::text(QString::number(raw % 100000));
    }
}

void checkText(const Value& v)
{
    if (!v.isNumber())
        return;
    const QString plain = plainText(v);
    FUZZ_CHECK(numberForm.match(plain).hasMatch());
    const QString padded = signPaddedText(v);
    FUZZ_CHECK(padded == plain || padded == QLatin1Char(' ') + plain);
    const double back = parseDouble(plain);
    const double exact = v.toDouble();
    // 15 digits for a double, 7 for a single.
    const double precision = v.type() == ValueType::Single ? 1e-6 : 1e-14;
    FUZZ_CHECK(back == exact || std::fabs(back - exact) <= precision * std::fabs(exact));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 19)
        return 0;
    const Value a = valueOf(data[0], data + 2);
    const Value b = valueOf(data[1], data + 10);
    checkText(a);
    checkText(b);
    for (int op = 0; op < 3; ++op) {
        try {
            const Value r = op == 0 ? a + b : op == 1 ? a - b : a * b;
            checkText(r);
            // Widening never loses a whole result that a double holds exactly.
            if (a.type() != ValueType::String && b.type() != ValueType::String
                && r.type() != ValueType::Single) {
                const double x = a.toDouble(), y = b.toDouble();
                const double expected = op == 0 ? x + y : op == 1 ? x - y : x * y;
                FUZZ_CHECK(r.toDouble() == expected);
            }
        } catch (const RuntimeError& error) {
            FUZZ_CHECK(error.code() == ErrorCode::Overflow);
        }
    }
    checkText(abs(a));
    checkText(roundDown(a));
    (void)(a < b);
    (void)(a == b);
    return 0;
}
