#include "gamesessions.h"

#include "catalog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPointer>
#include <QTest>

using namespace shell;

namespace {

// Every box is answered at once as a player going on would: OK, or Yes.
class AnsweringDialogs final : public Dialogs {
public:
    int messageBox(const QString&, int style, const QString&) override
    {
        return Style::isYesNo(style) ? Answer::Yes : Answer::Ok;
    }
    QString inputBox(const QString&, const QString&) override { return QStringLiteral("Иван Петров"); }
};

// The game's own event, clicked with the mouse; the boxes that end a game
// now and then are part of it.
class Session final : public GameSession {
public:
    explicit Session(const catalog::Game& game)
        : m_game(game)
        , m_runtime(game.programName, m_random, m_dialogs)
    {
        QApplication::setQuitOnLastWindowClosed(false);
        m_window = game.windows.first().open(m_runtime);
        if (game.prepare)
            game.prepare(player());
    }
    ~Session() override { delete m_window.data(); }

    void playOne() override { m_game.play(player(), m_played++); }
    void setPainting(bool on) override { m_window->setUpdatesEnabled(on); }

private:
    catalog::Player player() const
    {
        return {*m_window, [](QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }};
    }

    const catalog::Game& m_game;
    RuntimeRandom m_random;
    AnsweringDialogs m_dialogs;
    Runtime m_runtime;
    QPointer<Form> m_window;
    int m_played = 0;
};

} // namespace

QList<SessionGame> sessionGames()
{
    QList<SessionGame> games;
    for (const catalog::Game& game : catalog::games())
        games.append({game.name, game.event});
    return games;
}

std::unique_ptr<GameSession> openSession(const QString& name)
{
    for (const catalog::Game& game : catalog::games()) {
        if (game.name == name)
            return std::make_unique<Session>(game);
    }
    return nullptr;
}
