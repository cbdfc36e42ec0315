#include "picture.h"

#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

using namespace shell;

namespace {

// Green up to x = 5.5 of 10, so the edge is sharp only when drawn for two
// pixels a point, and nothing elsewhere, where the background shows.
const QByteArray halfGreen = "<svg xmlns='http://www.w3.org/2000/svg' width='10' height='4'>"
                             "<rect x='0' y='0' width='5.5' height='4' fill='#00ff00'/></svg>";

const QColor green(0, 255, 0);

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& contents)
{
    QFile file(dir.filePath(name));
    file.open(QIODevice::WriteOnly);
    file.write(contents);
    return file.fileName();
}

// What the picture leaves on a window of that background and density.
QImage drawn(Picture& picture, qreal ratio, const QColor& background)
{
    QImage window(int(10 * ratio), int(4 * ratio), QImage::Format_RGB32);
    window.setDevicePixelRatio(ratio);
    window.fill(background);
    QPainter painter(&window);
    picture.draw(painter, ratio, background);
    return window;
}

} // namespace

class TestPicture : public QObject {
    Q_OBJECT

private slots:
    void vectorPictureFitsItsWindow_data()
    {
        QTest::addColumn<bool>("aheadAtAll");
        QTest::addColumn<qreal>("aheadRatio");
        QTest::addColumn<QColor>("aheadBackground");
        QTest::addRow("decoded ahead as drawn") << true << 2.0 << QColor(Qt::red);
        QTest::addRow("decoded ahead for another background") << true << 2.0 << QColor(Qt::blue);
        QTest::addRow("decoded ahead for another density") << true << 1.0 << QColor(Qt::red);
        QTest::addRow("decoded when first drawn") << false << 0.0 << QColor();
    }

    void vectorPictureFitsItsWindow()
    {
        QFETCH(bool, aheadAtAll);
        QFETCH(qreal, aheadRatio);
        QFETCH(QColor, aheadBackground);
        QTemporaryDir dir;
        Picture picture(writeFile(dir, QStringLiteral("half.svg"), halfGreen));
        if (aheadAtAll)
            picture.decodeAhead(aheadRatio, aheadBackground);

        QImage window = drawn(picture, 2, Qt::red);
        QCOMPARE(window.pixelColor(10, 4), green);
        QCOMPARE(window.pixelColor(11, 4), QColor(Qt::red));

        // Moved to a plainer screen, on another background, it is drawn anew.
        window = drawn(picture, 1, Qt::blue);
        QCOMPARE(window.pixelColor(4, 2), green);
        QCOMPARE(window.pixelColor(5, 2).red(), 0);
        QVERIFY(window.pixelColor(5, 2).green() > 0 && window.pixelColor(5, 2).blue() > 0);
        QCOMPARE(window.pixelColor(6, 2), QColor(Qt::blue));
    }

    void rasterPictureKeepsItsPixels_data()
    {
        QTest::addColumn<qreal>("aheadRatio");
        QTest::addColumn<qreal>("ratio");
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
            picture.decodeAhead(aheadRatio, Qt::red);

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
