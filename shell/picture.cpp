#include "picture.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <utility>

namespace shell {

namespace {

// "name@2x.ext" beside "name.ext": Qt's naming for a picture of two pixels a
// point, which its image readers do not look for themselves.
QString atTwice(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix();
    return path.chopped(suffix.size() + 1) + QStringLiteral("@2x.") + suffix;
}

} // namespace

Picture::Picture(const QString& path)
    : m_path(path)
    , m_format(QFileInfo(path).suffix().toLower().toLatin1())
{
}

Picture::Picture(void (*paint)(QPainter&))
    : m_paint(paint)
{
}

// Only QImage here: it runs on a worker thread.
Picture::Decoded Picture::decode(const QString& path, const QByteArray& format, qreal ratio)
{
    const QString dense = atTwice(path);
    const bool twice = ratio > 1 && QFile::exists(dense);
    // Only the decoder the suffix names: left to guess, the reader loads
    // every image plugin there is to ask each whether it knows the format.
    QImageReader reader(twice ? dense : path, format);
    reader.setAutoDetectImageFormat(false);
    QImage image = reader.read();
    if (twice)
        image.setDevicePixelRatio(2);  // the reader only does so from the name while @2x loading is on
    return {std::move(image), ratio};
}

void Picture::decodeAhead(qreal devicePixelRatio)
{
    if (!m_path.isEmpty())
        m_ahead = std::async(std::launch::async, &Picture::decode, m_path, m_format, devicePixelRatio);
}

// A raster picture suits every screen on its side of one pixel a point.
bool Picture::suits(const Decoded& decoded, qreal ratio)
{
    return decoded.ratio != 0 && (decoded.ratio > 1) == (ratio > 1);
}

void Picture::draw(QPainter& painter, qreal devicePixelRatio)
{
    if (m_paint) {
        painter.save();
        m_paint(painter);
        painter.restore();
        return;
    }
    if (!suits(m_drawnFor, devicePixelRatio)) {
        Decoded decoded = m_ahead.valid() ? m_ahead.get() : Decoded();
        if (!suits(decoded, devicePixelRatio))
            decoded = decode(m_path, m_format, devicePixelRatio);
        m_pixmap = QPixmap::fromImage(std::exchange(decoded.image, QImage()));
        m_drawnFor = decoded;
    }
    painter.drawPixmap(0, 0, m_pixmap);
}

} // namespace shell
