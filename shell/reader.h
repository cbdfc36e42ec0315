#pragma once

#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>

namespace shell {

// Speaks a phrase through the screen reader without moving the focus. Qt
// has no announcement event here; screen readers read out a notification
// as it appears, so this hidden one "appears" with each phrase as its name.
class Announcer : public QWidget {
    Q_OBJECT
public:
    explicit Announcer(QWidget* parent);

    void announce(const QString& phrase);
};

// "ИГРОК: 7055": a value with the name of what shows it; a value that says
// what it is ("Ход № 1") or has no name stands alone.
QString namedValue(const QString& name, const QString& value);
// The name announcements give a control's value: its accessible name, or
// the word set for a label whose name must stay the value it shows.
QString spokenName(const QWidget* control);
void setSpokenName(QWidget* control, const QString& name);
QString joinPhrases(const QStringList& phrases);

// What the watched boxes and labels of a window show, to tell what one
// event changed. Values are read in the window's reading order.
class ShownValues {
public:
    void watch(QWidget* window, const QList<QWidget*>& controls);
    // The values changed since the last look, each once, as one phrase.
    QString takeChanges();

private:
    struct Shown {
        QPointer<QWidget> control;
        QString text;
    };
    QList<Shown> m_shown;
};

// The text a box or label shows.
QString shownText(const QWidget* control);

// The controls as the window reads: rows from the top, each from the left.
QList<QWidget*> inReadingOrder(const QWidget* window, const QList<QWidget*>& controls);

} // namespace shell
