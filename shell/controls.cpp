#include "controls.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QPainter>
#include <algorithm>

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
    const int room = label->contentsRect().width();
    // A label with room for two lines wraps its text; only a word too wide
    // for any line needs narrower letters there.
    const bool wraps = label->height() >= 2 * QFontMetrics(label->font()).lineSpacing();
    const QStringList words = label->text().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const auto needs = [&](const QFont& font) {
        const QFontMetrics metrics(font);
        if (!wraps)
            return metrics.horizontalAdvance(label->text());
        int widest = 0;
        for (const QString& word : words)
            widest = std::max(widest, metrics.horizontalAdvance(word));
        return widest;
    };
    const int needed = needs(label->font());
    if (needed <= room)
        return;
    constexpr int narrowestReadable = 80;
    QFont narrower = label->font();
    // Letters round to whole pixels, so the first guess may be a pixel short.
    for (int stretch = 100 * room / needed; stretch >= narrowestReadable; --stretch) {
        narrower.setStretch(stretch);
        if (needs(narrower) <= room) {
            label->setFont(narrower);
            label->setWordWrap(wraps);
            return;
        }
    }
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
