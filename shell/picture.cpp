#include "picture.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

namespace shell {

Picture::Picture(const QString& path)
    : m_path(path)
    , m_format(QFileInfo(path).suffix().toLower().toLatin1())
{
}

void Picture::load(qreal devicePixelRatio, const QColor& background)
{
    // Only the decoder the suffix names: left to guess, the reader loads
    // every image plugin there is to ask each whether it knows the format.
    QImageReader reader(m_path, m_format);
    reader.setAutoDetectImageFormat(false);
    m_loadedRatio = devicePixelRatio;
    m_loadedBackground = background;
    if (!isVector()) {
        m_pixmap = QPixmap::fromImageReader(&reader);
        return;
    }
    // The image plugin draws it, so only a program that shows a vector
    // picture loads the SVG module.
    reader.setScaledSize(reader.size() * devicePixelRatio);
    reader.setBackgroundColor(background);
    QImage image = reader.read();
    image.setDevicePixelRatio(devicePixelRatio);
    m_pixmap = QPixmap::fromImage(std::move(image));
}

void Picture::draw(QPainter& painter, qreal devicePixelRatio, const QColor& background)
{
    if (m_loadedRatio == 0
        || (isVector() && (m_loadedRatio != devicePixelRatio || m_loadedBackground != background)))
        load(devicePixelRatio, background);
    painter.drawPixmap(0, 0, m_pixmap);
}

} // namespace shell
