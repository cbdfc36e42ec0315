#include "storm.h"

#include <QAbstractButton>
#include <QFile>
#include <utility>

namespace shell {

namespace {

QtMessageHandler testLog = nullptr;

void withoutRaiseWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (!message.endsWith(QLatin1String("does not support raise()")))
        testLog(type, context, message);
}

// The one case of a storm test.
class StormTest : public QObject {
    Q_OBJECT

public:
    explicit StormTest(std::function<void()> run) : m_run(std::move(run)) {}

private slots:
    void storm() { m_run(); }

private:
    std::function<void()> m_run;
};

} // namespace

RaiseWarningFilter::RaiseWarningFilter() { testLog = qInstallMessageHandler(withoutRaiseWarnings); }

RaiseWarningFilter::~RaiseWarningFilter() { qInstallMessageHandler(testLog); }

QString StormInput::anyText(const QStringList& gameWords)
{
    static const QStringList fixed = {
        QString(), QStringLiteral("-"), QStringLiteral("+"), QStringLiteral("."), QStringLiteral(" "),
        QStringLiteral("0"), QStringLiteral("32767"), QStringLiteral("32768"), QStringLiteral("-32768"),
        QStringLiteral("-32769"), QStringLiteral("16383"), QStringLiteral("16384"), QStringLiteral("40000"),
        QStringLiteral("2147483648"), QStringLiteral("1E+308"), QStringLiteral("1e309"),
        QStringLiteral("-1.79769313486232E+308"), QStringLiteral("1E-320"), QStringLiteral("2.5D3"),
        QStringLiteral("0.1"), QStringLiteral("  12  "), QStringLiteral("1,5"), QStringLiteral("12abc"),
        QStringLiteral("abc"), QStringLiteral("Иван Петров"), QStringLiteral("ёлка"), QStringLiteral("Ё"),
        QStringLiteral("<b>жирный</b>"), QStringLiteral("&&"), QStringLiteral("\t5"), QStringLiteral("1000000"),
    };
    switch (pick(5)) {
    case 0:
        return fixed[pick(int(fixed.size()))];
    case 1:
        if (!gameWords.isEmpty())
            return gameWords[pick(int(gameWords.size()))];
        [[fallthrough]];
    case 2: {
        // A number of random shape.
        QString text = chance(0.3) ? QStringLiteral("-") : QString();
        const int digits = 1 + pick(chance(0.1) ? 40 : 7);
        for (int i = 0; i < digits; ++i)
            text += QChar(u'0' + pick(10));
        if (chance(0.3))
            text += QLatin1Char('.') + QString::number(pick(1000));
        if (chance(0.2))
            text += QStringLiteral("E") + (chance(0.5) ? QStringLiteral("-") : QStringLiteral("+")) + QString::number(pick(400));
        return text;
    }
    case 3: {
        static const QString alphabet = QStringLiteral("0123456789 -+.,eEdDabczАБВабвёЁ№!?\t");
        QString text;
        const int length = pick(12);
        for (int i = 0; i < length; ++i)
            text += alphabet[pick(int(alphabet.size()))];
        return text;
    }
    default:
        return QString(1000, QChar(chance(0.5) ? u'9' : u'ё'));
    }
}

void StormInput::typeInto(QLineEdit* box, const QString& text)
{
    if (chance(0.3)) {
        box->selectAll();
        box->insert(text);  // a paste: one change
        return;
    }
    if (chance(0.5)) {
        box->setFocus();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Backspace);
    }
    // Long texts are pasted; typing them key by key only costs time.
    if (text.size() > 40) {
        box->insert(text);
        return;
    }
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

void StormInput::click(QAbstractButton* button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

void StormInput::press(QAbstractButton* button)
{
    if (chance(0.8)) {
        click(button);
        return;
    }
    button->setFocus();
    QTest::keyClick(button, chance(0.5) ? Qt::Key_Space : Qt::Key_Return);
}

long StormInput::residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}

qint64 stormEvents(qint64 fallback)
{
    const QByteArray configured = qgetenv("STORM_EVENTS");
    return configured.isEmpty() ? fallback : configured.toLongLong();
}

// As QTEST_MAIN does for a widgets test.
int runStormTest(int argc, char** argv, std::function<void()> run)
{
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    StormTest test(std::move(run));
    return QTest::qExec(&test, argc, argv);
}

} // namespace shell

#include "storm.moc"
