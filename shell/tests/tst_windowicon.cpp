#include "windowicon.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>
#include <functional>

using namespace shell;

namespace {

// A square of the given side: a colour for each size and a half-transparent
// corner, so that a size or alpha mixed up shows in the pixels.
QImage square(int side)
{
    QImage image(side, side, QImage::Format_ARGB32);
    image.fill(QColor::fromHsv(side * 7 % 360, 200, 220));
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(0, 0, side / 2, side / 2, QColor(10, 20, 30, 100));
    return image;
}

QByteArray png(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "png");
    return bytes;
}

void appendLittleEndian(QByteArray& out, quint32 value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.append(char((value >> (8 * i)) & 0xFF));
}

// An icon file holding the given images, stored as they are.
QByteArray iconFile(const QList<QByteArray>& images, const QList<int>& sides)
{
    QByteArray out;
    appendLittleEndian(out, 0, 2);
    appendLittleEndian(out, 1, 2);
    appendLittleEndian(out, quint32(images.size()), 2);
    quint32 offset = quint32(6 + 16 * images.size());
    for (qsizetype i = 0; i < images.size(); ++i) {
        out.append(char(sides[i] % 256)).append(char(sides[i] % 256)).append('\0').append('\0');
        appendLittleEndian(out, 1, 2);
        appendLittleEndian(out, 32, 2);
        appendLittleEndian(out, quint32(images[i].size()), 4);
        appendLittleEndian(out, offset, 4);
        offset += quint32(images[i].size());
    }
    for (const QByteArray& image : images)
        out.append(image);
    return out;
}

QByteArray pngIcon(const QList<int>& sides)
{
    QList<QByteArray> images;
    for (int side : sides)
        images.append(png(square(side)));
    return iconFile(images, sides);
}

// What the icon plugin itself writes: bitmaps with a mask, no PNG.
QByteArray bitmapIcon()
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "ico");
    writer.write(square(32));
    return bytes;
}

using Maker = std::function<QByteArray()>;

} // namespace

Q_DECLARE_METATYPE(Maker)

// The icon must come out as Qt's own reading of the file would give it.
class TestWindowIcon : public QObject {
    Q_OBJECT

private slots:
    void matchesQtsReading_data()
    {
        QTest::addColumn<Maker>("file");
        QTest::addRow("PNG images") << Maker([] { return pngIcon({16, 32, 48, 64, 128}); });
        QTest::addRow("one PNG image of 256") << Maker([] { return pngIcon({256}); });
        QTest::addRow("bitmaps, read by the plugin") << Maker(bitmapIcon);
        QTest::addRow("PNG and bitmap mixed") << Maker([] {
            const QByteArray bitmap = bitmapIcon();
            const quint32 offset = qFromLittleEndian<quint32>(bitmap.constData() + 18);
            return iconFile({png(square(16)), bitmap.mid(offset)}, {16, 32});
        });
        QTest::addRow("two images of one size") << Maker([] { return pngIcon({32, 32}); });
        QTest::addRow("cut short") << Maker([] { return pngIcon({16, 32}).chopped(40); });
        QTest::addRow("offset past the end") << Maker([] {
            QByteArray file = pngIcon({16});
            qToLittleEndian<quint32>(0xFFFFFFF0u, file.data() + 18);
            return file;
        });
        QTest::addRow("no images") << Maker([] { return iconFile({}, {}); });
        QTest::addRow("not an icon") << Maker([] { return png(square(16)); });
    }

    void matchesQtsReading()
    {
        QFETCH(Maker, file);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("game.ico"));
        QFile out(path);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(file());
        out.close();

        const QIcon expected(path);
        const QIcon icon = windowIconFrom(readWindowIconImages(path), path);
        QCOMPARE(icon.availableSizes(), expected.availableSizes());
        for (const QSize& size : expected.availableSizes()) {
            QCOMPARE(icon.pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32),
                     expected.pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32));
        }
    }
};

QTEST_MAIN(TestWindowIcon)
#include "tst_windowicon.moc"
