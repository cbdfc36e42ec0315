// What a screen reader gets from every window of every game: each label
// named by what it shows, before and after play; buttons that share a
// caption told apart; a window with nothing to focus read once an opening.

#include "catalog.h"
#include "gameharness.h"
#include "language.h"
#include "random.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QMultiHash>
#include <QPointer>
#include <QSet>
#include <QTest>

using namespace shell;

namespace {

// Every box answered as a player going on would, a name typed where asked.
class AnsweringDialogs final : public Dialogs {
public:
    int messageBox(const QString&, int style, const QString&) override
    {
        return Style::isYesNo(style) ? Answer::Yes : Answer::Ok;
    }
    QString inputBox(const QString&, const QString&) override { return QStringLiteral("Иван Петров"); }
};

QStringList spoken;  // what announcements said

void recordAnnouncement(QAccessibleEvent* event)
{
    if (event->type() == QAccessible::ObjectShow && event->object()
        && event->object()->objectName() == QLatin1String("announcer"))
        spoken.append(qobject_cast<QWidget*>(event->object())->accessibleName());
}

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

struct Session {
    RuntimeRandom random;
    AnsweringDialogs boxes;
    Runtime runtime;
    QPointer<Form> window;

    Session(const catalog::Game& game, const catalog::Window& shown)
        : runtime(game.programName, random, boxes)
        , window(open(shown, runtime))
    {
    }
    ~Session() { delete window.data(); }
};

// Every window of the catalog in Russian, and in English too where asked;
// or only the windows besides the startup one.
enum Rows { Russian, BothLanguages, SecondaryWindows };

void addWindowRows(Rows rows)
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("game");
    QTest::addColumn<int>("window");
    const QStringList languages = rows == BothLanguages ? QStringList{sourceLanguage, "en"} : QStringList{sourceLanguage};
    for (const QString& language : languages) {
        for (int g = 0; g < catalog::games().size(); ++g) {
            const catalog::Game& game = catalog::games()[g];
            for (int w = rows == SecondaryWindows ? 1 : 0; w < game.windows.size(); ++w)
                QTest::addRow("%s %s", qPrintable(game.title(game.windows[w])), qPrintable(language))
                    << language << g << w;
        }
    }
}

} // namespace

class TestReader : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QApplication::setQuitOnLastWindowClosed(false);
        QAccessible::installUpdateHandler(recordAnnouncement);
        QAccessible::setActive(true);
    }
    void cleanup()
    {
        deleteOpenWindows();  // a warning window that play opened
        useLanguage(sourceLanguage);
    }

    void labelsAreNamedByWhatTheyShow_data() { addWindowRows(BothLanguages); }
    void labelsAreNamedByWhatTheyShow()
    {
        QFETCH(QString, language);
        QFETCH(int, game);
        QFETCH(int, window);
        useLanguage(language);
        const catalog::Game& entry = catalog::games()[game];
        Session session(entry, entry.windows[window]);
        QCOMPARE(misnamedLabels(*session.window), QStringList());
        if (window > 0)
            return;
        const catalog::Player player{*session.window, [](QAbstractButton* button) { button->click(); }};
        if (entry.prepare)
            entry.prepare(player);
        for (int n = 0; n < 60 && !session.runtime.hasEnded(); ++n) {
            entry.play(player, n);
            QCOMPARE(misnamedLabels(*session.window), QStringList());
        }
    }

    void sharedCaptionsAreToldApart_data() { addWindowRows(BothLanguages); }
    void sharedCaptionsAreToldApart()
    {
        QFETCH(QString, language);
        QFETCH(int, game);
        QFETCH(int, window);
        useLanguage(language);
        const catalog::Game& entry = catalog::games()[game];
        Session session(entry, entry.windows[window]);
        QMultiHash<QString, QString> descriptions;  // by the caption heard
        for (QAbstractButton* button : session.window->findChildren<QAbstractButton*>())
            descriptions.insert(accessible(button, QAccessible::Name), accessible(button, QAccessible::Description));
        for (const QString& caption : descriptions.uniqueKeys()) {
            const QStringList told = descriptions.values(caption);
            if (told.size() < 2)
                continue;
            QVERIFY2(!told.contains(QString()), qPrintable(caption));
            QCOMPARE(QSet<QString>(told.begin(), told.end()).size(), told.size());
        }
    }

    // Alt+Tab away and back does not read the text again.
    void windowTextIsReadOncePerOpening_data() { addWindowRows(SecondaryWindows); }
    void windowTextIsReadOncePerOpening()
    {
        QFETCH(int, game);
        QFETCH(int, window);
        const catalog::Game& entry = catalog::games()[game];
        QWidget elsewhere;
        elsewhere.show();
        spoken.clear();
        Session session(entry, entry.windows[window]);
        if (!session.window->tabOrder().isEmpty())
            QSKIP("the focus is read, not the text");
        for (int activation = 0; activation < 3; ++activation) {
            QApplication::setActiveWindow(&elsewhere);
            QApplication::setActiveWindow(session.window);
            QCoreApplication::processEvents();
        }
        QCOMPARE(spoken.size(), 1);
        QVERIFY(!spoken.first().isEmpty());
    }
};

QTEST_MAIN(TestReader)
#include "tst_reader.moc"
