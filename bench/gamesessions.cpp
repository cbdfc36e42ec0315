#include "gamesessions.h"

#include "brannock/mainwindow.h"
#include "corvane/mainwindow.h"
#include "marrowby/mainwindow.h"
#include "pendlow/mainwindow.h"
#include "quillsey/mainwindow.h"
#include "tessaly/mainwindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <functional>

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

template <typename Window>
class Session final : public GameSession {
public:
    using Step = std::function<void(Session&, int)>;

    Session(const QString& programName, Step step)
        : m_runtime(programName, m_random, m_dialogs)
        , m_step(std::move(step))
    {
        QApplication::setQuitOnLastWindowClosed(false);
        m_window = openStartupForm<Window>(m_runtime);
    }
    ~Session() override { delete m_window.data(); }

    void playOne() override { m_step(*this, m_played++); }
    void setPainting(bool on) override { m_window->setUpdatesEnabled(on); }

    void click(const char* name, int index = -1)
    {
        QTest::mouseClick(qobject_cast<QAbstractButton*>(m_window->control(QString::fromUtf8(name), index)),
                          Qt::LeftButton);
    }
    void type(const char* box, const QString& text) { m_window->textBox(QString::fromUtf8(box))->setText(text); }

private:
    RuntimeRandom m_random;
    AnsweringDialogs m_dialogs;
    Runtime m_runtime;
    QPointer<Window> m_window;
    Step m_step;
    int m_played = 0;
};

template <typename Window>
std::unique_ptr<GameSession> session(const char* programName, typename Session<Window>::Step step,
                                     const std::function<void(Session<Window>&)>& prepare = {})
{
    auto game = std::make_unique<Session<Window>>(QString::fromUtf8(programName), std::move(step));
    if (prepare)
        prepare(*game);
    return game;
}

} // namespace

QList<SessionGame> sessionGames()
{
    const QString throwing = QStringLiteral("throw");
    const QString toss = QStringLiteral("toss");
    return {{QStringLiteral("marrowby"), throwing}, {QStringLiteral("quillsey"), QStringLiteral("launch")},
            {QStringLiteral("tessaly"), toss},      {QStringLiteral("brannock"), throwing},
            {QStringLiteral("corvane"), toss},      {QStringLiteral("pendlow"), throwing}};
}

// Each game's own event; the boxes that end a game now and then are part of it.
std::unique_ptr<GameSession> openSession(const QString& game)
{
    if (game == QLatin1String("marrowby")) {
        // The two players take turns.
        return session<marrowby::MainWindow>("Marrowby", [](auto& s, int n) { s.click(n % 2 ? "cmd2" : "cmd1"); });
    }
    if (game == QLatin1String("quillsey"))
        return session<quillsey::MainWindow>("Quillsey", [](auto& s, int) { s.click("cmd1"); });
    if (game == QLatin1String("tessaly")) {
        return session<tessaly::MainWindow>("Tessaly", [](auto& s, int n) { s.click(n % 2 ? "cmd3" : "cmd2"); },
                                      [](auto& s) {
                                          s.type("txt3", QStringLiteral("10"));
                                          s.type("txt4", QStringLiteral("орел"));
                                      });
    }
    if (game == QLatin1String("brannock")) {
        return session<brannock::MainWindow>("Brannock", [](auto& s, int) { s.click("cmd1"); },
                                       [](auto& s) { s.click("CmdR"); });
    }
    if (game == QLatin1String("corvane")) {
        return session<corvane::MainWindow>("Corvane", [](auto& s, int) { s.click("CmdM"); },
                                       [](auto& s) {
                                           s.click("STM", 3);
                                           s.click("STRez", 1);
                                       });
    }
    if (game == QLatin1String("pendlow"))
        return session<pendlow::MainWindow>("Pendlow", [](auto& s, int) { s.click("Cmd1"); });
    return nullptr;
}
