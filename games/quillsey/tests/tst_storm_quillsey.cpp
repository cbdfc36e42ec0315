#include "quillsey/mainwindow.h"
#include "quillsey/ruleswindow.h"
#include "boxes.h"
#include "numbertext.h"
#include "storm.h"

#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <cmath>
#include <optional>

using namespace shell;
using namespace quillsey::tests;
using quillsey::MainWindow;
using quillsey::RulesWindow;

namespace {

enum Box { Field1, Field2, Field3, Stake, Points, Money, boxCount };  // txt1 to txt6
const char* const launchButtons[] = {"cmd1", "cmd2", "cmd3"};

const QStringList gameWords = {
    QStringLiteral("  500   "), QStringLiteral("  7   "), QStringLiteral("250"), QStringLiteral("200"),
    QStringLiteral(" -200 "), QStringLiteral("450000"), QStringLiteral("1350000"), QStringLiteral("1000000"),
    QStringLiteral("1000001"), QStringLiteral("8.991E+303"), QStringLiteral("двести"),
};

// The buttons cmd4 to cmd8 first, in their order.
enum class Action { Points = 4, Exit, Money, Verdict, Rules, Launch, CloseRules, CloseMain, Type };
const Weight<Action> actions[] = {
    {Action::Launch, 300}, {Action::Points, 100}, {Action::Money, 80}, {Action::Verdict, 80},
    {Action::Rules, 20}, {Action::CloseRules, 20}, {Action::Exit, 3}, {Action::CloseMain, 2}, {Action::Type, 395},
};

// What the game must do with one computation: write a text, or report an error.
struct Outcome {
    QString text;
    std::optional<ErrorCode> error;
};

// A product in double precision; the runtime reports what leaves the range.
double checked(double value)
{
    if (!std::isfinite(value))
        throw RuntimeError(ErrorCode::Overflow);
    return value;
}

template <typename Compute>
Outcome outcomeOf(Compute compute)
{
    try {
        return {formatDouble(compute()), std::nullopt};
    } catch (const RuntimeError& error) {
        return {QString(), error.code()};
    }
}

// What key-by-key typing leaves: only printable characters arrive.
QString keyed(const QString& text)
{
    QString kept;
    for (QChar c : text) {
        if (c.isPrint())
            kept += c;
    }
    return kept;
}

// Keeps the six texts as the player left them, and checks every button's
// result against the numbers those texts stand for.
class QuillseyStorm : public Storm<MainWindow> {
public:
    QuillseyStorm() : Storm(program, 13) {}

    // How often each button wrote its result or showed each box; and the
    // smallest and largest launched numbers: a launch must reach both ends.
    void finish() override
    {
        for (auto it = m_outcomes.begin(); it != m_outcomes.end(); ++it)
            qInfo("%5d × %s", it.value(), qPrintable(QString(it.key()).replace(QLatin1Char('\n'), QLatin1Char(' '))));
        if (!QTest::currentTestFailed() && m_launches >= 2000) {
            QCOMPARE_LE(m_lowest, 9);
            QCOMPARE_GE(m_highest, 990);
        }
    }

protected:
    void act(MainWindow& window) override
    {
        m_action = input.pick(actions);
        switch (m_action) {
        case Action::Launch:
            m_target = input.pick(3);
            input.press(window.button(launchButtons[m_target]));
            break;
        case Action::CloseRules:
            closeSomeOtherWindow();
            break;
        case Action::CloseMain:
            window.close();
            break;
        case Action::Type:
            m_target = input.pick(boxCount);
            m_typed = input.anyText(gameWords);
            input.typeInto(textBoxes(window)[m_target], m_typed);
            break;
        default:
            input.press(window.button(QStringLiteral("cmd%1").arg(int(m_action))));
            break;
        }
    }

    void check(MainWindow& window, const QList<ShownBox>& boxes) override
    {
        QList<ShownBox> expected;
        switch (m_action) {
        case Action::Exit:
        case Action::CloseMain:
            QFAIL("the program went on");
        case Action::Type:
            checkTyping(textBoxes(window)[m_target]);
            break;
        case Action::Launch:
            checkLaunch(textBoxes(window)[m_target]->text());
            break;
        case Action::Points:
            expected = apply(Points, pointsOutcome());
            break;
        case Action::Money:
            expected = apply(Money, outcomeOf([this] { return checked(parseDouble(m_texts[Points]) * 3); }));
            break;
        case Action::Verdict:
            expected = verdict();
            break;
        case Action::Rules: {
            m_rulesOpen = true;
            const QList<RulesWindow*> open = openWindows<RulesWindow>();
            QCOMPARE(open.size(), 1);
            QCOMPARE(rulesShown(open.first()), rules);
            break;
        }
        case Action::CloseRules:
            m_rulesOpen = false;
            break;
        }
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(boxes, expected);
        if (m_action == Action::Points || m_action == Action::Money || m_action == Action::Verdict) {
            const QString result = expected.isEmpty() ? QStringLiteral("written") : expected.first().prompt;
            ++m_outcomes[window.button(QStringLiteral("cmd%1").arg(int(m_action)))->text() + QLatin1Char(' ') + result];
        }
        QCOMPARE(texts(window), m_texts);
        QCOMPARE(openWindows<RulesWindow>().size(), m_rulesOpen ? 1 : 0);
    }

    bool mayEnd() const override { return m_action == Action::Exit || m_action == Action::CloseMain; }

    void restarted(MainWindow& window) override
    {
        m_rulesOpen = false;
        m_texts = QStringList(boxCount, QString());
        QCOMPARE(texts(window), m_texts);
        QCOMPARE(openWindows<RulesWindow>().size(), 0);
    }

private:
    // Typed text replaces the box's text or follows it, as far as the box holds.
    void checkTyping(QLineEdit* box)
    {
        const QString before = m_texts[m_target];
        const QString after = box->text();
        const QString typed = m_typed.size() > 40 ? m_typed : keyed(m_typed);
        const QStringList possible = {m_typed, typed, before + typed};
        bool found = false;
        for (const QString& text : possible)
            found = found || after == text.left(box->maxLength());
        QVERIFY2(found, qPrintable(QStringLiteral("typed \"%1\" into \"%2\", shown \"%3\"").arg(m_typed, before, after)));
        m_texts[m_target] = after;
    }

    // Two blanks, the number without leading zeros, three blanks.
    void checkLaunch(const QString& shown)
    {
        static const QRegularExpression form(QStringLiteral("^  (0|[1-9][0-9]{0,2})   $"));
        const QRegularExpressionMatch match = form.match(shown);
        QVERIFY2(match.hasMatch(), qPrintable(QStringLiteral("field shows \"%1\"").arg(shown)));
        const int number = match.captured(1).toInt();
        m_lowest = std::min(m_lowest, number);
        m_highest = std::max(m_highest, number);
        ++m_launches;
        m_texts[m_target] = shown;
    }

    // The fields forgive anything, the stake must be a number.
    Outcome pointsOutcome() const
    {
        return outcomeOf([this] {
            const double sum = checked(checked(readLeadingNumber(m_texts[Field1]) + readLeadingNumber(m_texts[Field2]))
                                       + readLeadingNumber(m_texts[Field3]));
            return checked(parseDouble(m_texts[Stake]) * sum);
        });
    }

    QList<ShownBox> apply(Box box, const Outcome& outcome)
    {
        if (outcome.error)
            return {errorBox(*outcome.error)};
        m_texts[box] = outcome.text;
        return {};
    }

    QList<ShownBox> verdict() const
    {
        try {
            return {verdictBox(parseDouble(m_texts[Money]) > 1000000 ? millionaire : consolation)};
        } catch (const RuntimeError& error) {
            return {errorBox(error.code())};
        }
    }

    Action m_action = Action::Type;
    bool m_rulesOpen = false;
    int m_target = 0;
    QString m_typed;
    QStringList m_texts;
    int m_lowest = 1000;
    int m_highest = -1;
    int m_launches = 0;
    QMap<QString, int> m_outcomes;
};

} // namespace

int main(int argc, char** argv) { return stormMain<QuillseyStorm>(argc, argv); }
