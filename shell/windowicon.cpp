#include "windowicon.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QList>
#include <QPixmap>
#include <QtEndian>
#include <algorithm>

namespace shell {

namespace {

quint32 littleEndian(const QByteArray& data, qsizetype at, int bytes)
{
    return bytes == 2 ? qFromLittleEndian<quint16>(data.constData() + at)
                      : qFromLittleEndian<quint32>(data.constData() + at);
}

bool takesNewSize(const QList<QImage>& images, const QImage& image)
{
    return !image.isNull() && std::none_of(images.cbegin(), images.cend(), [&](const QImage& other) {
        return other.size() == image.size();
    });
}

// The images of an icon file whose every image is a PNG, in the file's
// order; none for any other file. The icon plugin would decode these too,
// but through a reader that asks every image plugin whether it reads PNG,
// and so loads them all, the SVG module with them.
QList<QImage> pngImages(const QByteArray& data)
{
    constexpr qsizetype headerSize = 6;
    constexpr qsizetype entrySize = 16;
    if (data.size() < headerSize || littleEndian(data, 0, 2) != 0 || littleEndian(data, 2, 2) != 1)
        return {};
    const qsizetype count = littleEndian(data, 4, 2);
    if (count == 0 || data.size() < headerSize + count * entrySize)
        return {};
    QList<QImage> images;
    for (qsizetype i = 0; i < count; ++i) {
        const qsizetype entry = headerSize + i * entrySize;
        const qsizetype size = littleEndian(data, entry + 8, 4);
        const qsizetype offset = littleEndian(data, entry + 12, 4);
        if (offset > data.size() || size > data.size() - offset)
            return {};
        QByteArray frame = QByteArray::fromRawData(data.constData() + offset, size);
        if (!frame.startsWith("\x89PNG\r\n\x1a\n"))
            return {};
        QBuffer device(&frame);
        QImageReader reader(&device, "png");
        reader.setAutoDetectImageFormat(false);
        const QImage image = reader.read();
        if (!takesNewSize(images, image))
            return {};
        images.append(image);
    }
    return images;
}

} // namespace

QList<QImage> readWindowIconImages(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QList<QImage> png = pngImages(file.readAll());
    if (!png.isEmpty())
        return png;
    // Any other icon file through the icon plugin alone, the reader not
    // left to guess the format (guessing loads every image plugin).
    file.seek(0);
    QImageReader reader(&file, "ico");
    reader.setAutoDetectImageFormat(false);
    QList<QImage> images;
    QImage image;
    while (reader.read(&image)) {
        // Two of one size: Qt keeps the deeper one, which only it can tell.
        if (!takesNewSize(images, image))
            return {};
        images.append(image);
    }
    return images;
}

QIcon windowIconFrom(const QList<QImage>& images, const QString& path)
{
    if (images.isEmpty())
        return QIcon(path);
    QIcon icon;
    for (const QImage& image : images)
        icon.addPixmap(QPixmap::fromImage(image));
    return icon;
}

} // namespace shell
