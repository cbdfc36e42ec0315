#include "controls.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QPainter>

namespace shell {

void CommandButton::setCaption(const QString& caption)
{
    const QFontMetrics metrics(font());
    const int room = width() - 6;  // the frame and a little air
    QStringList lines;
    for (const QString& word : caption.split(QLatin1Char(' '))) {
        if (!lines.isEmpty() && metrics.horizontalAdvance(lines.last() + QLatin1Char(' ') + word) <= room)
            lines.last() += QLatin1Char(' ') + word;
        else
            lines.append(word);
    }
    setText(lines.join(QLatin1Char('\n')));
}

void CommandButton::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

LineControl::LineControl(QPoint from, QPoint to, QWidget* parent)
    : QWidget(parent)
{
    const QRect bounds = QRect(from, to).normalized();
    setGeometry(bounds);
    m_from = from - bounds.topLeft();
    m_to = to - bounds.topLeft();
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void LineControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
    painter.drawLine(m_from, m_to);
}

} // namespace shell
