#pragma once

#include <QString>
#include <QList>
#include <memory>

// One game's startup window, opened offscreen with the runtime's own
// generator and boxes that answer at once, ready to play one event at a time.
class GameSession {
public:
    virtual ~GameSession() = default;
    // One throw, toss or launch, clicked through the window's real buttons.
    virtual void playOne() = 0;
    // With painting off the window stays shown but neither update() nor a
    // button's own repaint() draws anything.
    virtual void setPainting(bool on) = 0;
};

struct SessionGame {
    QString name;
    QString event;  // what one playOne() is: a throw, a toss, a launch
};

QList<SessionGame> sessionGames();
std::unique_ptr<GameSession> openSession(const QString& game);
