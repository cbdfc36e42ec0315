#pragma once

#include <QByteArray>
#include <QImage>
#include <QPixmap>
#include <QString>
#include <future>

class QPainter;

namespace shell {

// A window's picture, drawn at its natural size from the top left: a raster
// picture, or a function that paints it each time. A raster picture
// "name.ext" comes from "name@2x.ext", where there is one, on a screen of
// more than one pixel a point.
class Picture {
public:
    explicit Picture(const QString& path = QString());
    explicit Picture(void (*paint)(QPainter&));

    bool isEmpty() const { return m_path.isEmpty() && !m_paint; }
    // Decodes a raster picture on a worker thread while the window is built;
    // otherwise the first draw decodes.
    void decodeAhead(qreal devicePixelRatio);
    void draw(QPainter& painter, qreal devicePixelRatio);

private:
    struct Decoded {
        QImage image;
        qreal ratio = 0;  // 0: nothing decoded yet
    };
    static Decoded decode(const QString& path, const QByteArray& format, qreal ratio);
    static bool suits(const Decoded& decoded, qreal ratio);

    QString m_path;
    QByteArray m_format;
    void (*m_paint)(QPainter&) = nullptr;
    std::future<Decoded> m_ahead;
    QPixmap m_pixmap;
    Decoded m_drawnFor;  // its image already in m_pixmap
};

} // namespace shell
