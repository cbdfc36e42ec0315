#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QString>
#include <future>

class QPainter;

namespace shell {

// A window's picture, drawn at its natural size from the top left. A vector
// picture is drawn once, on the window's background and for the screen's
// pixel density, so that it shows exactly as if drawn each time. A raster
// picture "name.ext" comes from "name@2x.ext", where there is one, on a
// screen of more than one pixel a point.
class Picture {
public:
    explicit Picture(const QString& path = QString());

    bool isEmpty() const { return m_path.isEmpty(); }
    // Decodes on a worker thread while the window is built; otherwise the
    // first draw decodes.
    void decodeAhead(qreal devicePixelRatio, const QColor& background);
    void draw(QPainter& painter, qreal devicePixelRatio, const QColor& background);

private:
    struct Decoded {
        QImage image;
        qreal ratio = 0;  // 0: nothing decoded yet
        QColor background;
    };
    static Decoded decode(const QString& path, const QByteArray& format, qreal ratio, const QColor& background);
    bool isVector() const { return m_format == "svg"; }
    bool suits(const Decoded& decoded, qreal ratio, const QColor& background) const;

    QString m_path;
    QByteArray m_format;
    std::future<Decoded> m_ahead;
    QPixmap m_pixmap;
    Decoded m_drawnFor;  // its image already in m_pixmap
};

} // namespace shell
