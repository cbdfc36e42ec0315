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
    // Screen readers hear the caption as one line; with the name set first,
    // no change event carries the old one.
    setAccessibleName(caption);
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

TextBox::TextBox(QWidget* parent)
    : QLineEdit(parent)
{
    setCursorPosition(0);
}

void squeezeOntoOneLine(QLabel* label)
{
    const QFontMetrics metrics(label->font());
    const int room = label->contentsRect().width();
    const int needed = metrics.horizontalAdvance(label->text());
    if (needed <= room || label->height() >= 2 * metrics.lineSpacing())
        return;
    const int stretch = 100 * room / needed;
    constexpr int narrowestReadable = 80;
    if (stretch < narrowestReadable)
        return;
    QFont narrower = label->font();
    narrower.setStretch(stretch);
    label->setFont(narrower);
    label->setWordWrap(false);
}

FrameBox::FrameBox(const QString& caption, QWidget* parent)
    : QGroupBox(caption, parent)
{
}

void FrameBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const int middle = metrics.height() / 2;
    const QRect border = rect().adjusted(0, middle, -1, -1);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(border);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(border.translated(1, 1).adjusted(0, 0, -1, -1));

    const QString caption = title();
    if (caption.isEmpty())
        return;
    const QRect captionRect(8, 0, metrics.horizontalAdvance(caption) + 4, metrics.height());
    painter.fillRect(captionRect, palette().color(QPalette::Window));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(captionRect, Qt::AlignCenter, caption);
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
