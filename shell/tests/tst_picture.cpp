#include "columns.h"
#include "picture.h"

#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

using namespace shell;

namespace {

const QColor green(0, 255, 0);

// Green up to x = 5.5 of 10, so the edge is sharp only when painted for two
// pixels a point, and nothing elsewhere, where the background shows.
void paintHalfGreen(QPainter& painter)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(QRectF(0, 0, 5.5, 4), green);
}

// What the picture leaves on a window of that background and density.
QImage drawn(Picture& picture, qreal ratio, const QColor& background)
{
    QImage window(int(10 * ratio), int(4 * ratio), QImage::Format_RGB32);
    window.setDevicePixelRatio(ratio);
    window.fill(background);
    QPainter painter(&window);
    picture.draw(painter, ratio);
    return window;
}

} // namespace

class TestPicture : public QObject {
    Q_OBJECT

private slots:
    // Painted each time, for the screen it is on and over what is there.
    void paintedPictureFitsItsWindow()
    {
        Picture picture(paintHalfGreen);
        QImage window = drawn(picture, 2, Qt::red);
        QCOMPARE(window.pixelColor(10, 4), green);
        QCOMPARE(window.pixelColor(11, 4), QColor(Qt::red));

        window = drawn(picture, 1, Qt::blue);
        QCOMPARE(window.pixelColor(4, 2), green);
        QCOMPARE(window.pixelColor(5, 2).red(), 0);
        QVERIFY(window.pixelColor(5, 2).green() > 0 && window.pixelColor(5, 2).blue() > 0);
        QCOMPARE(window.pixelColor(6, 2), QColor(Qt::blue));
    }

    void rasterPictureKeepsItsPixels_data()
    {
        columns<qreal, qreal>("aheadRatio", "ratio");
        QTest::addRow("plain screen") << 0.0 << 1.0;
        QTest::addRow("dense screen") << 0.0 << 2.0;
        QTest::addRow("decoded ahead for a dense screen, drawn on a plain one") << 2.0 << 1.0;
        QTest::addRow("decoded ahead for a plain screen, drawn on a dense one") << 1.0 << 2.0;
    }

    // Two dots a point wide, and beside them their twice-as-dense picture
    // whose second dot is another colour, to tell which file was drawn.
    void rasterPictureKeepsItsPixels()
    {
        QFETCH(qreal, aheadRatio);
        QFETCH(qreal, ratio);
        QTemporaryDir dir;
        QImage dots(2, 1, QImage::Format_RGB32);
        dots.setPixelColor(0, 0, Qt::yellow);
        dots.setPixelColor(1, 0, Qt::cyan);
        const QString path = dir.filePath(QStringLiteral("dots.bmp"));
        QVERIFY(dots.save(path));
        QImage denseDots(4, 2, QImage::Format_RGB32);
        denseDots.fill(Qt::magenta);
        QPainter(&denseDots).fillRect(0, 0, 2, 2, Qt::yellow);
        QVERIFY(denseDots.save(dir.filePath(QStringLiteral("dots@2x.bmp"))));
        Picture picture(path);
        if (aheadRatio != 0)
            picture.decodeAhead(aheadRatio);

        // Then moved to the other kind of screen.
        for (qreal drawnRatio : {ratio, 3 - ratio}) {
            const QImage window = drawn(picture, drawnRatio, Qt::black);
            const int dot = int(drawnRatio);
            QCOMPARE(window.pixelColor(0, 0), QColor(Qt::yellow));
            QCOMPARE(window.pixelColor(dot, dot - 1), drawnRatio > 1 ? QColor(Qt::magenta) : QColor(Qt::cyan));
            QCOMPARE(window.pixelColor(2 * dot, dot - 1), QColor(Qt::black));
            QCOMPARE(window.pixelColor(0, dot), QColor(Qt::black));
        }
    }
};

QTEST_MAIN(TestPicture)
#include "tst_picture.moc"
