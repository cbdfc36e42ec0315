#include "value.h"
#include "numbertext.h"
#include "runtimeerror.h"

#include <cmath>
#include <limits>

namespace shell {

namespace {

enum class Op { Add, Sub, Mul };

template <typename T>
T apply(Op op, T a, T b)
{
    switch (op) {
    case Op::Add: return a + b;
    case Op::Sub: return a - b;
    case Op::Mul: return a * b;
    }
    return T();
}

template <typename Int>
bool fits(long long v)
{
    return v >= std::numeric_limits<Int>::min() && v <= std::numeric_limits<Int>::max();
}

Value doubleResult(Op op, double a, double b)
{
    const double r = apply(op, a, b);
    if (!std::isfinite(r))
        throw RuntimeError(ErrorCode::Overflow);
    return Value::real(r);
}

// The widening rules: the narrowest type that holds the exact or, for
// fractions, the correctly rounded result.
Value arithmetic(Op op, const Value& a, const Value& b)
{
    const ValueType ta = a.isEmpty() ? ValueType::Int16 : a.type();
    const ValueType tb = b.isEmpty() ? ValueType::Int16 : b.type();
    if (ta == ValueType::Double || tb == ValueType::Double
        || ta == ValueType::String || tb == ValueType::String)
        return doubleResult(op, a.toDouble(), b.toDouble());
    if (ta == ValueType::Single || tb == ValueType::Single) {
        if (ta == ValueType::Int32 || tb == ValueType::Int32)
            return doubleResult(op, a.toDouble(), b.toDouble());
        const float r = apply(op, float(a.toDouble()), float(b.toDouble()));
        if (std::isfinite(r))
            return Value::single(r);
        return doubleResult(op, a.toDouble(), b.toDouble());
    }
    const long long r = apply<long long>(op, (long long)a.toDouble(), (long long)b.toDouble());
    if (ta == ValueType::Int16 && tb == ValueType::Int16 && fits<std::int16_t>(r))
        return Value::integer(int(r));
    if (fits<std::int32_t>(r))
        return Value::longInteger(std::int32_t(r));
    return Value::real(double(r));
}

bool bothTexts(const Value& a, const Value& b)
{
    return a.type() == ValueType::String && b.type() == ValueType::String;
}

} // namespace

Value Value::integer(int v)
{
    Q_ASSERT(fits<std::int16_t>(v));
    return Value(Data(std::int16_t(v)));
}

Value Value::longInteger(std::int32_t v) { return Value(Data(v)); }
Value Value::single(float v) { return Value(Data(v)); }
Value Value::real(double v) { return Value(Data(v)); }
Value Value::text(const QString& v) { return Value(Data(v)); }

bool Value::isNumber() const
{
    const ValueType t = type();
    return t != ValueType::Empty && t != ValueType::String;
}

double Value::toDouble() const
{
    switch (type()) {
    case ValueType::Empty: return 0;
    case ValueType::Int16: return *get<std::int16_t>();
    case ValueType::Int32: return *get<std::int32_t>();
    case ValueType::Single: return *get<float>();
    case ValueType::Double: return *get<double>();
    case ValueType::String: return parseDouble(*get<QString>());
    }
    return 0;
}

std::int16_t Value::toInt16() const { return roundToInt16(toDouble()); }
std::int32_t Value::toInt32() const { return roundToInt32(toDouble()); }

Value operator+(const Value& a, const Value& b)
{
    if (bothTexts(a, b))
        return Value::text(*a.get<QString>() + *b.get<QString>());
    // Empty joined to a text leaves the text.
    if (a.isEmpty() && b.type() == ValueType::String)
        return b;
    if (b.isEmpty() && a.type() == ValueType::String)
        return a;
    return arithmetic(Op::Add, a, b);
}

Value operator-(const Value& a, const Value& b) { return arithmetic(Op::Sub, a, b); }
Value operator*(const Value& a, const Value& b) { return arithmetic(Op::Mul, a, b); }

std::partial_ordering operator<=>(const Value& a, const Value& b)
{
    const bool aText = a.type() == ValueType::String;
    const bool bText = b.type() == ValueType::String;
    if (aText || bText) {
        if (aText != bText && (a.isNumber() || b.isNumber()))
            return aText ? std::partial_ordering::greater : std::partial_ordering::less;
        const QString left = aText ? *a.get<QString>() : QString();
        const QString right = bText ? *b.get<QString>() : QString();
        return QString::compare(left, right, Qt::CaseSensitive) <=> 0;
    }
    return a.toDouble() <=> b.toDouble();
}

bool operator==(const Value& a, const Value& b)
{
    return (a <=> b) == std::partial_ordering::equivalent;
}

Value abs(const Value& v)
{
    switch (v.type()) {
    case ValueType::Empty: return Value::integer(0);
    case ValueType::Int16: {
        const int x = std::abs(int(*v.get<std::int16_t>()));
        return fits<std::int16_t>(x) ? Value::integer(x) : Value::longInteger(x);
    }
    case ValueType::Int32: {
        const long long x = std::llabs(*v.get<std::int32_t>());
        return fits<std::int32_t>(x) ? Value::longInteger(std::int32_t(x)) : Value::real(double(x));
    }
    case ValueType::Single: return Value::single(std::fabs(*v.get<float>()));
    case ValueType::Double:
    case ValueType::String: return Value::real(std::fabs(v.toDouble()));
    }
    return v;
}

Value roundDown(const Value& v)
{
    switch (v.type()) {
    case ValueType::Empty: return Value::integer(0);
    case ValueType::Int16:
    case ValueType::Int32: return v;
    case ValueType::Single: return Value::single(std::floor(*v.get<float>()));
    case ValueType::Double:
    case ValueType::String: return Value::real(std::floor(v.toDouble()));
    }
    return v;
}

QString plainText(const Value& v)
{
    switch (v.type()) {
    case ValueType::Empty: return QString();
    case ValueType::Int16: return QString::number(*v.get<std::int16_t>());
    case ValueType::Int32: return QString::number(*v.get<std::int32_t>());
    case ValueType::Single: return formatSingle(*v.get<float>());
    case ValueType::Double: return formatDouble(*v.get<double>());
    case ValueType::String: return *v.get<QString>();
    }
    return QString();
}

QString signPaddedText(const Value& v)
{
    if (v.type() == ValueType::String)
        return *v.get<QString>();
    const QString text = v.isEmpty() ? QStringLiteral("0") : plainText(v);
    return text.startsWith(QLatin1Char('-')) ? text : QLatin1Char(' ') + text;
}

std::int16_t int16Result(int v)
{
    if (!fits<std::int16_t>(v))
        throw RuntimeError(ErrorCode::Overflow);
    return std::int16_t(v);
}

} // namespace shell
