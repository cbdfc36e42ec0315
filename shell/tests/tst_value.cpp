#include "columns.h"
#include "runtimeerror.h"
#include "value.h"

#include <QTest>
#include <limits>

using namespace shell;

Q_DECLARE_METATYPE(shell::Value)
Q_DECLARE_METATYPE(shell::ValueType)

class TestValue : public QObject {
    Q_OBJECT

private:
    static Value i16(int v) { return Value::integer(v); }
    static Value i32(std::int32_t v) { return Value::longInteger(v); }
    static Value sng(float v) { return Value::single(v); }
    static Value dbl(double v) { return Value::real(v); }
    static Value str(const char* v) { return Value::text(QString::fromUtf8(v)); }

private slots:
    void arithmeticWidens_data()
    {
        columns<char, Value, Value, ValueType, QString>("op", "a", "b", "type", "text");

        QTest::addRow("int16 stays int16") << '+' << i16(32766) << i16(1) << ValueType::Int16 << "32767";
        QTest::addRow("int16 overflow widens") << '+' << i16(32767) << i16(1) << ValueType::Int32 << "32768";
        QTest::addRow("int16 underflow widens") << '-' << i16(-32768) << i16(1) << ValueType::Int32 << "-32769";
        QTest::addRow("int16 product widens") << '*' << i16(300) << i16(300) << ValueType::Int32 << "90000";
        QTest::addRow("int32 overflow widens to double") << '+' << i32(2147483647) << i16(1) << ValueType::Double << "2147483648";
        QTest::addRow("int32 product to double") << '*' << i32(100000) << i32(100000) << ValueType::Double << "10000000000";
        QTest::addRow("int16 with single") << '+' << i16(1) << sng(0.5f) << ValueType::Single << "1.5";
        QTest::addRow("int32 with single") << '+' << i32(70000) << sng(0.5f) << ValueType::Double << "70000.5";
        QTest::addRow("single overflow widens") << '*' << sng(0x1p127f) << sng(4) << ValueType::Double << "6.80564733841877E+38";
        QTest::addRow("double stays double") << '*' << dbl(0.1) << i16(3) << ValueType::Double << "0.3";
        QTest::addRow("empty is int16 zero") << '+' << Value() << Value() << ValueType::Int16 << "0";
        QTest::addRow("empty plus single") << '+' << Value() << sng(7055) << ValueType::Single << "7055";
        QTest::addRow("texts join") << '+' << str("Ваш ") << str(" 5") << ValueType::String << "Ваш  5";
        QTest::addRow("empty plus text") << '+' << Value() << str("a") << ValueType::String << "a";
        QTest::addRow("number text is read") << '+' << i16(1) << str(" 2.5 ") << ValueType::Double << "3.5";
        QTest::addRow("marrowby prize") << '*' << sng(6) << i16(1999) << ValueType::Single << "11994";
    }

    void arithmeticWidens()
    {
        QFETCH(char, op);
        QFETCH(Value, a);
        QFETCH(Value, b);
        QFETCH(ValueType, type);
        QFETCH(QString, text);
        const Value r = op == '+' ? a + b : op == '-' ? a - b : a * b;
        QCOMPARE(r.type(), type);
        QCOMPARE(plainText(r), text);
    }

    void doublingFails_data()
    {
        columns<Value, ErrorCode>("a", "code");
        QTest::addRow("double overflow is error 6") << dbl(std::numeric_limits<double>::max()) << ErrorCode::Overflow;
        QTest::addRow("text that is no number is error 13") << str("abc") << ErrorCode::TypeMismatch;
    }

    void doublingFails()
    {
        QFETCH(Value, a);
        QFETCH(ErrorCode, code);
        try {
            (void)(a * i16(2));
            QFAIL("no error");
        } catch (const RuntimeError& e) {
            QCOMPARE(e.code(), code);
        }
    }

    void comparisons_data()
    {
        columns<Value, Value, int>("a", "b", "order");

        QTest::addRow("empty equals 0") << Value() << i16(0) << 0;
        QTest::addRow("empty equals empty") << Value() << Value() << 0;
        QTest::addRow("empty below 1") << Value() << i16(1) << -1;
        QTest::addRow("single equals int32") << sng(1000000) << i32(1000000) << 0;
        QTest::addRow("negative single below 0") << sng(-3) << i16(0) << -1;
        QTest::addRow("number below text") << i16(5) << str("1") << -1;
        QTest::addRow("texts by characters") << str("орел") << str("Орел") << 1;
    }

    void comparisons()
    {
        QFETCH(Value, a);
        QFETCH(Value, b);
        QFETCH(int, order);
        QCOMPARE(a == b, order == 0);
        QCOMPARE(a < b, order < 0);
        QCOMPARE(a > b, order > 0);
    }

    void absAndRoundDown_data()
    {
        columns<Value, QString, ValueType, QString>("v", "absText", "absType", "roundedText");

        QTest::addRow("int16 minimum") << i16(-32768) << "32768" << ValueType::Int32 << "-32768";
        QTest::addRow("int32 minimum") << i32(std::numeric_limits<std::int32_t>::min()) << "2147483648" << ValueType::Double << "-2147483648";
        QTest::addRow("negative single") << sng(-2.5f) << "2.5" << ValueType::Single << "-3";
        QTest::addRow("single below 1") << sng(0.9999999f) << "0.9999999" << ValueType::Single << "0";
        QTest::addRow("empty") << Value() << "0" << ValueType::Int16 << "0";
    }

    void absAndRoundDown()
    {
        QFETCH(Value, v);
        QFETCH(QString, absText);
        QFETCH(ValueType, absType);
        QFETCH(QString, roundedText);
        QCOMPARE(plainText(abs(v)), absText);
        QCOMPARE(abs(v).type(), absType);
        QCOMPARE(plainText(roundDown(v)), roundedText);
        QCOMPARE(roundDown(v).type(), v.isEmpty() ? ValueType::Int16 : v.type());
    }

    void textForms_data()
    {
        columns<Value, QString, QString>("v", "plain", "signPadded");

        QTest::addRow("whole single") << sng(7055) << "7055" << " 7055";
        QTest::addRow("negative") << i16(-5) << "-5" << "-5";
        QTest::addRow("zero") << i16(0) << "0" << " 0";
        QTest::addRow("empty") << Value() << "" << " 0";
        QTest::addRow("single keeps 7 digits") << sng(16777216.0f) << "1.677722E+07" << " 1.677722E+07";
        QTest::addRow("double keeps 15 digits") << dbl(123456789012345.0) << "123456789012345" << " 123456789012345";
        QTest::addRow("double past 15 digits") << dbl(1e20) << "1E+20" << " 1E+20";
        QTest::addRow("exponent with fraction") << dbl(1.5e20) << "1.5E+20" << " 1.5E+20";
        QTest::addRow("tiny") << dbl(0.00001) << "1E-05" << " 1E-05";
        QTest::addRow("small plain") << dbl(0.0001) << "0.0001" << " 0.0001";
        QTest::addRow("negative zero") << dbl(-0.0) << "0" << " 0";
        QTest::addRow("largest double") << dbl(std::numeric_limits<double>::max()) << "1.79769313486232E+308" << " 1.79769313486232E+308";
        QTest::addRow("text") << str("x") << "x" << "x";
    }

    void textForms()
    {
        QFETCH(Value, v);
        QFETCH(QString, plain);
        QFETCH(QString, signPadded);
        QCOMPARE(plainText(v), plain);
        QCOMPARE(signPaddedText(v), signPadded);
    }

    void int16ResultOverflowsAtItsLimits_data()
    {
        columns<int, bool>("v", "overflows");
        QTest::addRow("32767") << 32767 << false;
        QTest::addRow("32767 + 1") << 32767 + 1 << true;
        QTest::addRow("-32768") << -32768 << false;
        QTest::addRow("-32768 - 1") << -32768 - 1 << true;
    }

    void int16ResultOverflowsAtItsLimits()
    {
        QFETCH(int, v);
        QFETCH(bool, overflows);
        try {
            QCOMPARE(int(int16Result(v)), v);
            QVERIFY(!overflows);
        } catch (const RuntimeError& e) {
            QVERIFY(overflows);
            QCOMPARE(e.code(), ErrorCode::Overflow);
        }
    }
};

QTEST_GUILESS_MAIN(TestValue)
#include "tst_value.moc"
