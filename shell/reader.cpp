#include "reader.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>

namespace shell {

namespace {

constexpr char spokenNameProperty[] = "spokenName";

class AnnouncerAccessible final : public QAccessibleWidget {
public:
    explicit AnnouncerAccessible(QWidget* widget)
        : QAccessibleWidget(widget, QAccessible::Notification)
    {
    }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? widget()->accessibleName() : QString();
    }
};

QAccessibleInterface* announcerFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("shell::Announcer") && object && object->isWidgetType())
        return new AnnouncerAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

} // namespace

Announcer::Announcer(QWidget* parent)
    : QWidget(parent)
{
    static const bool installed = [] {
        QAccessible::installFactory(announcerFactory);
        return true;
    }();
    Q_UNUSED(installed);
    setObjectName(QStringLiteral("announcer"));
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void Announcer::announce(const QString& phrase)
{
    if (phrase.isEmpty())
        return;
    setAccessibleName(phrase);
    // Reported as shown without ever showing: nothing on screen changes.
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

QString namedValue(const QString& name, const QString& value)
{
    const QString shown =
        value.simplified().isEmpty() ? QCoreApplication::translate("shell::Form", "пусто") : value.simplified();
    if (name.isEmpty() || shown.startsWith(name))
        return shown;
    // A caption that ends in its own colon ("ставку:") gets no second one.
    const QString bare = name.endsWith(QLatin1Char(':')) ? name.chopped(1) : name;
    //: a name and the value it names, with a pause between, as in "ИГРОК: 7055"
    return QCoreApplication::translate("shell::Form", "%1: %2").arg(bare, shown);
}

QString spokenName(const QWidget* control)
{
    const QVariant word = control->property(spokenNameProperty);
    return word.isValid() ? word.toString() : control->accessibleName();
}

void setSpokenName(QWidget* control, const QString& name)
{
    control->setProperty(spokenNameProperty, name);
}

QString joinPhrases(const QStringList& phrases)
{
    //: between the values of one announcement
    return phrases.join(QCoreApplication::translate("shell::Form", ", "));
}

QString shownText(const QWidget* control)
{
    if (const auto* box = qobject_cast<const QLineEdit*>(control))
        return box->text();
    if (const auto* text = qobject_cast<const QLabel*>(control))
        return text->text();
    return {};
}

QList<QWidget*> inReadingOrder(const QWidget* window, const QList<QWidget*>& controls)
{
    QList<std::pair<QPoint, QWidget*>> placed;
    for (QWidget* control : controls)
        placed.append({control->mapTo(window, QPoint(0, 0)), control});
    std::stable_sort(placed.begin(), placed.end(), [](const auto& a, const auto& b) {
        return std::pair(a.first.y(), a.first.x()) < std::pair(b.first.y(), b.first.x());
    });
    QList<QWidget*> ordered;
    for (const auto& [at, control] : placed)
        ordered.append(control);
    return ordered;
}

void ShownValues::watch(QWidget* window, const QList<QWidget*>& controls)
{
    m_shown.clear();
    for (QWidget* control : inReadingOrder(window, controls))
        m_shown.append({control, shownText(control)});
}

QString ShownValues::takeChanges()
{
    QStringList phrases;
    for (Shown& shown : m_shown) {
        if (!shown.control)
            continue;
        const QString now = shownText(shown.control);
        if (now == shown.text)
            continue;
        shown.text = now;
        phrases.append(namedValue(spokenName(shown.control), now));
    }
    return joinPhrases(phrases);
}

} // namespace shell
