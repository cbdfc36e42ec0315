#pragma once

#include <QByteArray>
#include <QColor>
#include <QPixmap>
#include <QString>

class QPainter;

namespace shell {

// A window's picture, drawn at its natural size from the top left. It is
// decoded on first draw, so windows start without waiting for pictures; a
// vector picture is drawn once, on the window's background and for the
// screen's pixel density, so that it shows exactly as if drawn each time.
class Picture {
public:
    explicit Picture(const QString& path = QString());

    bool isEmpty() const { return m_path.isEmpty(); }
    void draw(QPainter& painter, qreal devicePixelRatio, const QColor& background);

private:
    bool isVector() const { return m_format == "svg"; }
    void load(qreal devicePixelRatio, const QColor& background);

    QString m_path;
    QByteArray m_format;
    QPixmap m_pixmap;
    qreal m_loadedRatio = 0;  // 0 until loaded
    QColor m_loadedBackground;
};

} // namespace shell
