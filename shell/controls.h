#pragma once

#include <QColor>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>

namespace shell {

// A push button that Enter presses too, as players of these games expect.
class CommandButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

    // Sets the caption, broken at blanks onto as many lines as the button's
    // width needs, so a long caption on a narrow button stays readable.
    void setCaption(const QString& caption);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// An option button that takes a click anywhere on it, not only on its
// circle and caption.
class OptionButton : public QRadioButton {
    Q_OBJECT
public:
    using QRadioButton::QRadioButton;

protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

// A text box that a screen reader announces with its name even while
// empty. Qt reports a box's first caret position as it takes the focus,
// just before the focus itself, and the screen reader then takes the focus
// quietly; a box that has reported its caret once reports the focus alone.
class TextBox : public QLineEdit {
    Q_OBJECT
public:
    explicit TextBox(QWidget* parent);
};

// A label one line high whose text is a little too wide for it: its letters
// are drawn narrower rather than wrapped onto a line that cannot show. So is
// a taller label's word that no line holds (fonts differ between systems).
void squeezeOntoOneLine(QLabel* label);

// A frame drawn the classic way: the border runs through the middle of its
// caption, so controls placed just below the caption stay inside it.
class FrameBox : public QGroupBox {
    Q_OBJECT
public:
    FrameBox(const QString& caption, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A straight line drawn on its container, below every other control; it
// takes no clicks.
class LineControl : public QWidget {
    Q_OBJECT
public:
    LineControl(QPoint from, QPoint to, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPoint m_from;  // relative to this widget
    QPoint m_to;
};

} // namespace shell
