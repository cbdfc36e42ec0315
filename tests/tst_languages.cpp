// Every window of every game in either language, as the program opens it:
// its icon, what a screen reader gets of it (each label named by what it
// shows, before and after play, and buttons that share a caption told
// apart), and nothing Russian left in English. And every game is the same
// game in every language: played with the same generator, the same clicks,
// the same typing and the same answers, the English and the Russian windows
// show the same numbers and the same boxes in the same order, with the same
// icons and buttons, and no box in English is Russian. Every window a game
// opens as it is played is in its catalog entry: one left out would drop out
// of the screenshots and of the contrast and keyboard tests without a word.

#include "catalog.h"
#include "columns.h"
#include "gameharness.h"
#include "language.h"
#include "storm.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMultiHash>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <algorithm>
#include <functional>
#include <memory>

using namespace shell;

namespace {

using Opener = std::function<Form*(Runtime&)>;

// Every box answered as a player going on would, a name typed where asked.
class AnsweringDialogs final : public Dialogs {
public:
    int messageBox(const QString&, int style, const QString&) override
    {
        return Style::isYesNo(style) ? Answer::Yes : Answer::Ok;
    }
    QString inputBox(const QString&, const QString&) override { return QStringLiteral("Иван Петров"); }
};

QString accessible(QWidget* widget, QAccessible::Text text)
{
    return QAccessible::queryAccessibleInterface(widget)->text(text);
}

// The labels whose accessible name is not the caption they show.
QStringList misnamedLabels(const Form& window)
{
    QStringList wrong;
    for (QLabel* label : window.findChildren<QLabel*>()) {
        if (accessible(label, QAccessible::Name) != label->text())
            wrong.append(label->objectName() + QStringLiteral(": ") + accessible(label, QAccessible::Name));
    }
    return wrong;
}

// Buttons that share the caption a listener hears but not a description.
QStringList buttonsToldAlike(const Form& window)
{
    QMultiHash<QString, QString> descriptions;  // by caption
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>())
        descriptions.insert(accessible(button, QAccessible::Name), accessible(button, QAccessible::Description));
    QStringList alike;
    for (const QString& caption : descriptions.uniqueKeys()) {
        const QStringList told = descriptions.values(caption);
        if (told.size() > 1 && (told.contains(QString()) || QSet<QString>(told.begin(), told.end()).size() < told.size()))
            alike.append(caption + QStringLiteral(": ") + told.join(QStringLiteral(" / ")));
    }
    return alike;
}

// A window as the program opens it: the startup window loaded and shown,
// another made, loaded and shown.
Form* open(const catalog::Window& window, Runtime& runtime)
{
    if (window.role.isEmpty())
        return window.open(runtime);
    Form* form = window.make(runtime);
    form->load();
    form->showWindow();
    return form;
}

// "marrowby::WarningWindow Form3": which window of the catalog it is.
QString kindOf(const QWidget* window)
{
    return QString::fromUtf8(window->metaObject()->className()) + QLatin1Char(' ') + window->objectName();
}

QSet<QString> listedWindows(const catalog::Game& game, Runtime& runtime)
{
    QSet<QString> listed;
    for (const catalog::Window& window : game.windows)
        listed.insert(kindOf(std::unique_ptr<Form>(window.make(runtime)).get()));
    return listed;
}

QSet<QString> shownWindows()
{
    QSet<QString> shown;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (qobject_cast<Form*>(window) && window->isVisible())
            shown.insert(kindOf(window));
    }
    return shown;
}

QString joined(const QSet<QString>& texts)
{
    return QStringList(texts.cbegin(), texts.cend()).join(QStringLiteral(", "));
}

// The digits of a text, in order: what must not change with the language.
QString numbersIn(const QString& text)
{
    static const QRegularExpression digits(QStringLiteral("\\d+"));
    QStringList found;
    for (const QRegularExpressionMatch& m : digits.globalMatch(text))
        found.append(m.captured());
    return found.join(QLatin1Char(' '));
}

bool isRussian(const QString& text)
{
    static const QRegularExpression cyrillic(QStringLiteral("\\p{Cyrillic}"));
    return text.contains(cyrillic);
}

// The captions of a window as it opens, before the player types anything,
// and what a screen reader reads as it opens.
QStringList russianCaptions(const Form& window)
{
    QStringList russian;
    if (isRussian(window.windowTitle()))
        russian.append(window.windowTitle());
    for (QWidget* control : window.findChildren<QWidget*>()) {
        QString text;
        if (auto* caption = qobject_cast<QLabel*>(control))
            text = caption->text();
        else if (auto* button = qobject_cast<QAbstractButton*>(control))
            text = button->text();
        else if (auto* frame = qobject_cast<QGroupBox*>(control))
            text = frame->title();
        // What a screen reader says of it, too.
        for (const QString& said : {text, control->accessibleName(), control->accessibleDescription()}) {
            if (isRussian(said))
                russian.append(control->objectName() + QStringLiteral(": ") + said);
        }
    }
    if (isRussian(window.reader().openingText()))
        russian.append(QStringLiteral("read as it opens: ") + window.reader().openingText());
    return russian;
}

QString numbersShown()
{
    QStringList shown;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        auto* form = qobject_cast<Form*>(window);
        if (!form || !form->isVisible())
            continue;
        for (QWidget* control : form->findChildren<QWidget*>()) {
            QString text;
            if (auto* box = qobject_cast<QLineEdit*>(control))
                text = box->text();
            else if (auto* caption = qobject_cast<QLabel*>(control))
                text = caption->text();
            else if (auto* button = qobject_cast<QAbstractButton*>(control))
                text = button->text();
            if (!text.isEmpty())
                shown.append(form->objectName() + QLatin1Char('.') + control->objectName() + QLatin1Char('=')
                             + numbersIn(text));
        }
    }
    shown.sort();
    return shown.join(QLatin1Char(' '));
}

// One line per event: the numbers in every window, then each box shown.
// Collects into `russian` the Russian texts it meets outside what was typed.
// Gathers into `seen` every window shown on the way.
QStringList play(const QString& program, const Opener& open, const QStringList& words, const QString& language,
                 QStringList& russian, QSet<QString>& seen)
{
    useLanguage(language);
    StormInput input(20261208);
    RandomDialogs dialogs(input.rng(), [&] { return input.anyText(); });
    RuntimeRandom random;
    Runtime runtime(program, random, dialogs);
    QPointer<Form> window = open(runtime);
    russian = russianCaptions(*window);
    QStringList trace;
    for (int event = 0; event < 400 && window && !runtime.hasEnded(); ++event) {
        const QList<QWidget*> controls = window->tabOrder();
        QWidget* target = controls[input.pick(int(controls.size()))];
        if (auto* box = qobject_cast<QLineEdit*>(target)) {
            // Pasted, so that a word of either language raises one change.
            box->selectAll();
            box->insert(input.anyText(words));
        } else if (auto* button = qobject_cast<QAbstractButton*>(target)) {
            input.click(button);
        }
        QCoreApplication::processEvents();
        seen += shownWindows();
        QString line = numbersShown();
        for (const ShownBox& box : dialogs.takeShown()) {
            if (isRussian(box.prompt + box.title))
                russian.append(box.title + QStringLiteral(": ") + box.prompt);
            line += QStringLiteral(" | box %1 %2 [%3]").arg(box.style).arg(box.isInput).arg(numbersIn(box.prompt + box.title));
        }
        trace.append(line);
    }
    deleteOpenForms();
    useLanguage(sourceLanguage);
    return trace;
}

} // namespace


class TestLanguages : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    void cleanup()
    {
        deleteOpenWindows();  // with a warning window that play opened
        useLanguage(sourceLanguage);
    }

    void everyWindow_data()
    {
        columns<QString, int, int>("language", "game", "window");
        for (const QString& language : {sourceLanguage, QStringLiteral("en")}) {
            for (int g = 0; g < catalog::games().size(); ++g) {
                const catalog::Game& game = catalog::games()[g];
                for (int w = 0; w < game.windows.size(); ++w)
                    QTest::addRow("%s %s", qPrintable(game.title(game.windows[w])), qPrintable(language))
                        << language << g << w;
            }
        }
    }

    void everyWindow()
    {
        QFETCH(QString, language);
        QFETCH(int, game);
        QFETCH(int, window);
        useLanguage(language);
        const catalog::Game& entry = catalog::games()[game];
        RuntimeRandom random;
        AnsweringDialogs boxes;
        Runtime runtime(entry.programName, random, boxes);
        QPointer<Form> form = open(entry.windows[window], runtime);
        // A wrong resource name shows the default icon without a word.
        QList<QSize> icons = form->windowIcon().availableSizes(), squares;
        std::sort(icons.begin(), icons.end(), [](QSize a, QSize b) { return a.width() < b.width(); });
        for (int side : entry.iconSizes)
            squares.append(QSize(side, side));
        QCOMPARE(icons, squares);
        // A text of a description left out of the translations, or translated
        // in another window's context, stays Russian.
        const QStringList russian = russianCaptions(*form);
        QVERIFY2(russian.isEmpty() == (language != sourceLanguage), qPrintable(russian.join(QLatin1Char('\n'))));
        QCOMPARE(buttonsToldAlike(*form), QStringList());
        QCOMPARE(misnamedLabels(*form), QStringList());
        if (window > 0)
            return;
        const catalog::Player player{*form, [](QAbstractButton* button) { button->click(); }};
        if (entry.prepare)
            entry.prepare(player);
        QSet<QString> seen;
        for (int n = 0; n < 60 && form && !runtime.hasEnded(); ++n, seen += shownWindows()) {
            entry.play(player, n);
            QCOMPARE(misnamedLabels(*form), QStringList());
        }
        if (entry.scene && form && !runtime.hasEnded())
            entry.scene(player);
        seen += shownWindows();
        QCOMPARE(joined(seen - listedWindows(entry, runtime)), QString());
    }

    void sameGameInEnglish_data()
    {
        QTest::addColumn<int>("game");
        for (int g = 0; g < catalog::games().size(); ++g)
            QTest::newRow(qPrintable(catalog::games()[g].name)) << g;
    }

    void sameGameInEnglish()
    {
        QFETCH(int, game);
        const catalog::Game& entry = catalog::games()[game];
        const QString& program = entry.programName;
        const Opener& open = entry.windows.first().open;
        QVERIFY(spokenLanguages().contains(QStringLiteral("en")));
        QStringList russianInRussian;
        QSet<QString> seen;
        const QStringList russian = play(program, open, entry.typedWords(), QStringLiteral("ru"), russianInRussian, seen);
        QVERIFY(!russianInRussian.isEmpty());
        useLanguage(QStringLiteral("en"));
        QStringList russianInEnglish;
        const QStringList english =
            play(program, open, entry.typedWords(), QStringLiteral("en"), russianInEnglish, seen);
        QVERIFY2(russianInEnglish.isEmpty(), qPrintable(russianInEnglish.join(QStringLiteral("\n"))));
        QCOMPARE(english.size(), russian.size());
        for (qsizetype i = 0; i < russian.size(); ++i)
            QCOMPARE(english[i], russian[i]);
        RuntimeRandom random;
        AnsweringDialogs boxes;
        Runtime runtime(program, random, boxes);
        QCOMPARE(joined(seen - listedWindows(entry, runtime)), QString());
    }
};

QTEST_MAIN(TestLanguages)
#include "tst_languages.moc"
