#include "textfit.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

namespace {

// The room a control leaves for its text, as its style lays it out.
QRect textRoom(const QWidget* control)
{
    if (auto* button = qobject_cast<const QAbstractButton*>(control)) {
        QStyleOptionButton option;
        option.initFrom(button);
        const bool isRadio = qobject_cast<const QRadioButton*>(button);
        return control->style()->subElementRect(
            isRadio ? QStyle::SE_RadioButtonContents : QStyle::SE_PushButtonContents, &option, button);
    }
    if (auto* box = qobject_cast<const QLineEdit*>(control)) {
        const QMargins margins = box->textMargins();
        return box->contentsRect().marginsRemoved(margins).adjusted(2, 1, -2, -1);  // QLineEdit's own air
    }
    if (qobject_cast<const QGroupBox*>(control))
        return control->rect();  // the title may run along the whole top edge
    return control->contentsRect();
}

QSize textNeeds(const QWidget* control, const QString& text, int width)
{
    const QFontMetrics metrics(control->font());
    auto* label = qobject_cast<const QLabel*>(control);
    const int flags = label && label->wordWrap() ? Qt::TextWordWrap : 0;
    return metrics.boundingRect(QRect(0, 0, width, 1 << 20), flags, text).size();
}

QString shownText(const QWidget* control)
{
    if (auto* button = qobject_cast<const QAbstractButton*>(control))
        return button->text();
    if (auto* label = qobject_cast<const QLabel*>(control))
        return label->text();
    if (auto* box = qobject_cast<const QLineEdit*>(control))
        return box->text();
    if (auto* frame = qobject_cast<const QGroupBox*>(control))
        return frame->title();
    return {};
}

} // namespace

QStringList textsThatDoNotFit(const QWidget* window)
{
    QStringList problems;
    for (const QWidget* control : window->findChildren<QWidget*>()) {
        const QString text = shownText(control);
        if (text.isEmpty() || !control->isVisible())
            continue;
        const QRect room = textRoom(control);
        QSize needs = textNeeds(control, text, room.width());
        // A frame's title only needs its width; its height is the frame's.
        if (qobject_cast<const QGroupBox*>(control))
            needs.setHeight(0);
        // Descenders may brush the edge; half a line missing is a cut-off line.
        const int lineSlack = control->fontMetrics().height() / 2;
        if (needs.width() > room.width() || needs.height() > room.height() + lineSlack) {
            problems.append(QStringLiteral("%1: '%2' needs %3x%4 px, has %5x%6")
                                .arg(control->objectName(), QString(text).replace(QLatin1Char('\n'), QLatin1Char('|')))
                                .arg(needs.width()).arg(needs.height())
                                .arg(room.width()).arg(room.height()));
        }
    }
    return problems;
}
