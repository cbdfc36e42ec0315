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
        const bool sizeTaken = std::any_of(images.cbegin(), images.cend(),
                                           [&](const QImage& other) { return other.size() == image.size(); });
        if (image.isNull() || sizeTaken)
            return {};
        images.append(image);
    }
    return images;
}

} // namespace

QIcon loadWindowIcon(const QString& path)
{
    QFile file(path);
    const QList<QImage> images = file.open(QIODevice::ReadOnly) ? pngImages(file.readAll()) : QList<QImage>();
    if (images.isEmpty())
        return QIcon(path);
    QIcon icon;
    for (const QImage& image : images)
        icon.addPixmap(QPixmap::fromImage(image));
    return icon;
}

} // namespace shell
