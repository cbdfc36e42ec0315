#pragma once

#include "dialogs.h"

#include <QList>
#include <QString>
#include <functional>

namespace shell {

// A box as the player would have seen it.
struct ShownBox {
    QString prompt;
    int style = 0;
    QString title;
    bool isInput = false;

    bool operator==(const ShownBox&) const = default;
};

// Answers boxes from a script and records every box shown. A box the
// script did not expect fails the running test.
class ScriptedDialogs final : public Dialogs {
public:
    // The next box gets this button (1 OK, 6 Yes, 7 No).
    void answer(int button) { m_answers.append({button, QString()}); }
    // The next input box gets this text ("" for cancel).
    void type(const QString& text) { m_answers.append({Answer::Ok, text}); }

    int messageBox(const QString& prompt, int style, const QString& title) override;
    QString inputBox(const QString& prompt, const QString& title) override;

    // The boxes shown since the last call, oldest first.
    QList<ShownBox> takeShown();
    int pendingAnswers() const { return int(m_answers.size()); }

    // Called as each box opens, while the window still shows what lies behind it.
    std::function<void()> onOpen;

private:
    struct ScriptedAnswer {
        int button;
        QString text;
    };
    ScriptedAnswer nextAnswer(const QString& prompt);

    QList<ScriptedAnswer> m_answers;
    QList<ShownBox> m_shown;
};

// Lets QCOMPARE print a box that differs.
char* toString(const ShownBox& box);

} // namespace shell
