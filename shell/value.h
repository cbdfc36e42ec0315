#pragma once

#include <QString>
#include <compare>
#include <cstdint>
#include <variant>

namespace shell {

enum class ValueType { Empty, Int16, Int32, Single, Double, String };

// The value kind of most game state. Arithmetic widens the type instead of
// overflowing, the way the games' counters and accounts expect.
class Value {
public:
    Value() = default;

    static Value integer(int v);          // 16-bit; v must fit
    static Value longInteger(std::int32_t v);
    static Value single(float v);
    static Value real(double v);          // double precision
    static Value text(const QString& v);

    ValueType type() const { return static_cast<ValueType>(m_data.index()); }
    bool isEmpty() const { return type() == ValueType::Empty; }
    bool isNumber() const;

    // The number a value stands for; empty is 0, a text must read as a
    // number (RuntimeError 13 otherwise).
    double toDouble() const;
    // Rounded half to even; RuntimeError 6 outside -32768..32767.
    std::int16_t toInt16() const;
    std::int32_t toInt32() const;

    friend Value operator+(const Value& a, const Value& b);
    friend Value operator-(const Value& a, const Value& b);
    friend Value operator*(const Value& a, const Value& b);

    // Numbers compare by value (empty as 0), texts by their characters,
    // and any number is below any text.
    friend std::partial_ordering operator<=>(const Value& a, const Value& b);
    friend bool operator==(const Value& a, const Value& b);

    template <typename T>
    const T* get() const { return std::get_if<T>(&m_data); }

private:
    using Data = std::variant<std::monostate, std::int16_t, std::int32_t, float, double, QString>;
    explicit Value(Data data) : m_data(std::move(data)) {}

    Data m_data;
};

// Absolute value; -32768 widens to a 32-bit integer.
Value abs(const Value& v);
// The whole number at or below v, of v's own type.
Value roundDown(const Value& v);

// Numbers as the player reads them: "7055", "-5", "0.3", "1E+20".
QString plainText(const Value& v);
// The same with a blank where a plus sign would stand: " 7055", "-5".
QString signPaddedText(const Value& v);

// The result of arithmetic on 16-bit integer variables, worked out in int:
// RuntimeError 6 outside -32768..32767, where a Value would widen instead.
std::int16_t int16Result(int v);

} // namespace shell
