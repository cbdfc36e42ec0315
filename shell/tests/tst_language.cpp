#include "columns.h"
#include "language.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace shell;

Q_DECLARE_METATYPE(shell::Value)

class TestLanguage : public QObject {
    Q_OBJECT

private slots:
    void picksTheFirstSpokenDesktopLanguage_data()
    {
        columns<QStringList, QStringList, QString>("desktop", "spoken", "picked");
        const QStringList both{"ru", "en"};
        QTest::addRow("English desktop") << QStringList{"en-US", "en"} << both << "en";
        QTest::addRow("Russian desktop") << QStringList{"ru-RU", "ru"} << both << "ru";
        QTest::addRow("locale name with underscore") << QStringList{"ru_UA"} << both << "ru";
        QTest::addRow("unspoken, then Russian") << QStringList{"de-DE", "ru-RU", "en"} << both << "ru";
        QTest::addRow("none spoken: English") << QStringList{"de-DE", "fr"} << both << "en";
        QTest::addRow("nothing named: English") << QStringList{} << both << "en";
        QTest::addRow("C locale") << QStringList{"C"} << both << "ru";
        QTest::addRow("C.UTF-8") << QStringList{"C.UTF-8"} << both << "ru";
        QTest::addRow("POSIX") << QStringList{"POSIX"} << both << "ru";
        QTest::addRow("LANGUAGE=en over C") << QStringList{"en", "C"} << both << "en";
        QTest::addRow("third language") << QStringList{"de-AT", "en"} << QStringList{"ru", "en", "de"} << "de";
        QTest::addRow("no translation at all") << QStringList{"en-US"} << QStringList{"ru"} << "ru";
        const QStringList six{"ru", "en", "uk", "de", "fr", "es"};
        for (const char* region : {"uk_UA", "de_CH", "fr_CA", "es_MX", "ru_UA", "en_IE"})
            QTest::addRow("%s among six", region) << QStringList{region} << six << QString(region).left(2);
        QTest::addRow("unspoken among six") << QStringList{"pl-PL"} << six << "en";
    }

    void picksTheFirstSpokenDesktopLanguage()
    {
        QFETCH(QStringList, desktop);
        QFETCH(QStringList, spoken);
        QFETCH(QString, picked);
        QCOMPARE(pickLanguage(desktop, spoken), picked);
    }

    // Only a picture with a version in the language spoken changes.
    void picturesInTheLanguageSpoken()
    {
        QTemporaryDir dir;
        for (const char* name : {"rules.jpg", "rules_en.jpg", "dice.bmp"}) {
            QFile file(dir.filePath(QString::fromLatin1(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        useLanguage(QStringLiteral("en"));
        QCOMPARE(pictureInLanguage(dir.filePath("rules.jpg")), dir.filePath("rules_en.jpg"));
        QCOMPARE(pictureInLanguage(dir.filePath("dice.bmp")), dir.filePath("dice.bmp"));
        useLanguage(sourceLanguage);
        QCOMPARE(pictureInLanguage(dir.filePath("rules.jpg")), dir.filePath("rules.jpg"));
    }

    void numbersInSentences_data()
    {
        columns<QString, Value, QString>("language", "number", "written");
        QTest::addRow("Russian keeps the sign's blank") << "ru" << Value::integer(7) << " 7";
        QTest::addRow("Russian negative") << "ru" << Value::integer(-7) << "-7";
        QTest::addRow("Russian never set") << "ru" << Value() << " 0";
        QTest::addRow("English writes the number alone") << "en" << Value::integer(7) << "7";
        QTest::addRow("English negative") << "en" << Value::integer(-7) << "-7";
        QTest::addRow("English never set") << "en" << Value() << "0";
    }

    void numbersInSentences()
    {
        QFETCH(QString, language);
        QFETCH(Value, number);
        QFETCH(QString, written);
        useLanguage(language);
        QCOMPARE(sentenceNumber(number), written);
        useLanguage(sourceLanguage);
    }

    // The forms of "1 rouble", "2 рублі", "5 рублів", "101 рубль" follow the count.
    void pluralCounts_data()
    {
        columns<Value, int>("amount", "count");
        QTest::addRow("one") << Value::integer(1) << 1;
        QTest::addRow("negative") << Value::integer(-21) << 21;
        QTest::addRow("never set") << Value() << 0;
        QTest::addRow("32-bit") << Value::longInteger(2000000000) << 2000000000;
        QTest::addRow("beyond int ends in 01") << Value::real(3000000001.0) << 101;
        QTest::addRow("beyond int ends in 12") << Value::real(3000000012.0) << 112;
        QTest::addRow("fraction") << Value::real(1.5) << 5;
        QTest::addRow("text") << Value::text(QStringLiteral("abc")) << 0;
    }

    void pluralCounts()
    {
        QFETCH(Value, amount);
        QFETCH(int, count);
        QCOMPARE(pluralCount(amount), count);
    }
};

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"
