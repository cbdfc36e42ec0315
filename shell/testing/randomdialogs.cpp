#include "randomdialogs.h"

namespace shell {

int RandomDialogs::messageBox(const QString& prompt, int style, const QString& title)
{
    m_shown.append({prompt, style, title, false});
    if (Style::isYesNo(style))
        return std::bernoulli_distribution(0.5)(m_rng) ? Answer::Yes : Answer::No;
    return Answer::Ok;
}

QString RandomDialogs::inputBox(const QString& prompt, const QString& title)
{
    m_shown.append({prompt, 0, title, true});
    // A quarter of the players cancel.
    return std::bernoulli_distribution(0.25)(m_rng) ? QString() : m_typedText();
}

QList<ShownBox> RandomDialogs::takeShown()
{
    QList<ShownBox> shown;
    shown.swap(m_shown);
    return shown;
}

} // namespace shell
