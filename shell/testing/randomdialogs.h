#pragma once

#include "dialogs.h"
#include "scripteddialogs.h"

#include <QList>
#include <functional>
#include <random>

namespace shell {

// Answers every box at random, the way a careless player would, and keeps
// the boxes shown since the last look.
class RandomDialogs final : public Dialogs {
public:
    using TextSource = std::function<QString()>;

    RandomDialogs(std::mt19937& rng, TextSource typedText)
        : m_rng(rng), m_typedText(std::move(typedText)) {}

    int messageBox(const QString& prompt, int style, const QString& title) override;
    QString inputBox(const QString& prompt, const QString& title) override;

    QList<ShownBox> takeShown();

private:
    std::mt19937& m_rng;
    TextSource m_typedText;
    QList<ShownBox> m_shown;
};

} // namespace shell
