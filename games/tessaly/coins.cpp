#include "coins.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QFile>
#include <QImageReader>
#include <QtMath>

#include <array>
#include <cmath>
#include <mutex>
#include <numbers>
#include <vector>

namespace tessaly {

namespace {

using std::numbers::pi;

const QColor face(0xFF, 0x9F, 0x00);
const QColor rim(0xBF, 0x7F, 0x00);
const QColor line(Qt::black);

constexpr qreal rx = 62;    // face ellipse of every coin
constexpr qreal ry = 23;
constexpr qreal squash = ry / rx;  // what lies flat on a face is squashed like it
constexpr qreal thick = 15;  // visible height of the edge band

// Horizontal nudges of the stacked coins, bottom to top. Chosen by hand so the
// pile leans a little one way, then the other, like coins dropped by hand.
constexpr qreal stackX = 282;
constexpr std::array stackNudges = {0, 6, -4, 2, 8, 3, -6, -2, 4};
constexpr qreal stackBottom = 287;

QPen pen(const QColor& colour, qreal width, Qt::PenJoinStyle join = Qt::SvgMiterJoin)
{
    QPen pen(colour, width, Qt::SolidLine, Qt::FlatCap, join);
    pen.setMiterLimit(4);
    return pen;
}

// Spread over each shape's own bounds, whatever its size.
QBrush gradient(QPointF from, QPointF to, std::initializer_list<QGradientStop> stops)
{
    QLinearGradient gradient(from, to);
    gradient.setCoordinateMode(QGradient::ObjectMode);
    gradient.setInterpolationMode(QGradient::ComponentInterpolation);
    gradient.setStops(stops);
    return gradient;
}

const QBrush edgeShading = gradient({0, 0}, {1, 0}, {
    {0, QColor(0x8C, 0x5C, 0x00)}, {0.3, rim}, {0.45, QColor(0xDD, 0xA0, 0x30)}, {0.62, rim},
    {1, QColor(0x7A, 0x4E, 0x00)}});
const QBrush faceShading = gradient({0, 0}, {0.4, 1}, {
    {0, QColor(0xFF, 0xB5, 0x3A)}, {0.55, face}, {1, QColor(0xF2, 0x94, 0x00)}});

void draw(QPainter& painter, const QRectF& ellipse) { painter.drawEllipse(ellipse); }
void draw(QPainter& painter, const QPainterPath& path) { painter.drawPath(path); }
void draw(QPainter& painter, const QPolygonF& polygon) { painter.drawPolygon(polygon, Qt::WindingFill); }

// The fill, then the outline over it, each at its own opacity.
template <typename Shape>
void paint(QPainter& painter, const Shape& shape, const QBrush& fill, const QPen& outline = Qt::NoPen,
           qreal fillOpacity = 1, qreal outlineOpacity = 1)
{
    if (fill.style() != Qt::NoBrush) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(fill);
        painter.setOpacity(fillOpacity);
        draw(painter, shape);
    }
    if (outline.style() != Qt::NoPen) {
        painter.setPen(outline);
        painter.setBrush(Qt::NoBrush);
        painter.setOpacity(outlineOpacity);
        draw(painter, shape);
    }
    painter.setOpacity(1);
}

QRectF ellipse(qreal cx, qreal cy, qreal rx, qreal ry) { return {cx - rx, cy - ry, 2 * rx, 2 * ry}; }

// Edge band: the lower half of the face ellipse swept down by its thickness.
void band(QPainter& painter, qreal cx, qreal cy)
{
    QPainterPath band({cx - rx, cy});
    band.lineTo(cx - rx, cy + thick);
    band.arcTo(ellipse(cx, cy + thick, rx, ry), 180, 180);
    band.lineTo(cx + rx, cy);
    band.arcTo(ellipse(cx, cy, rx, ry), 0, -180);
    band.closeSubpath();
    paint(painter, band, edgeShading, pen(line, 1.2, Qt::RoundJoin));
}

// Short grooves on the band; denser towards the sides, as on a cylinder.
void reeding(QPainter& painter, qreal cx, qreal cy)
{
    constexpr int grooves = 17;
    QPainterPath path;
    for (int i = 1; i < grooves; ++i) {
        const qreal a = pi * i / grooves;
        const qreal x = cx + rx * std::cos(a);
        const qreal y = cy + ry * std::sin(a);
        path.moveTo(x, y + 1.6);
        path.lineTo(x, y + thick - 1.2);
    }
    paint(painter, path, Qt::NoBrush, pen(QColor(0x7A, 0x50, 0x00), 0.8), 1, 0.55);
}

// Top face with a raised rim: dark ring, then a thin light lip inside.
void faceWithRim(QPainter& painter, qreal cx, qreal cy)
{
    constexpr qreal inset = 6;
    paint(painter, ellipse(cx, cy, rx, ry), faceShading, pen(line, 1.2));
    paint(painter, ellipse(cx, cy, rx - inset / 2, ry - inset / 2 * squash), Qt::NoBrush, pen(rim, inset * 0.75),
          1, 0.9);
    paint(painter, ellipse(cx, cy, rx - inset, ry - inset * squash), Qt::NoBrush, pen(QColor(0xFF, 0xD2, 0x7A), 0.9));
    paint(painter, ellipse(cx, cy, rx - inset - 0.9, ry - (inset + 0.9) * squash), Qt::NoBrush,
          pen(QColor(0x8A, 0x5A, 0x00), 0.6), 1, 0.6);
}

// Five-pointed star lying flat on the face.
void star(QPainter& painter, qreal cx, qreal cy)
{
    constexpr qreal outer = 31;
    constexpr qreal inner = 12.5;
    QPolygonF points;
    for (int i = 0; i < 10; ++i) {
        const qreal r = i % 2 == 0 ? outer : inner;
        const qreal a = -pi / 2 + pi * i / 5;
        points << QPointF(cx + r * std::cos(a), cy + r * std::sin(a) * squash);
    }
    paint(painter, points, QColor(0xFF, 0xB5, 0x34), pen(rim, 2, Qt::RoundJoin));
}

// Ring of small dots inside the rim, the usual border on a struck coin.
void beads(QPainter& painter, qreal cx, qreal cy)
{
    constexpr int count = 28;
    constexpr qreal r = 42;
    for (int i = 0; i < count; ++i) {
        const qreal a = 2 * pi * i / count;
        paint(painter, ellipse(cx + r * std::cos(a), cy + r * std::sin(a) * squash, 1.3, 0.75), rim);
    }
}

// A soft highlight on the upper left of the face.
void gloss(QPainter& painter, qreal cx, qreal cy)
{
    QPainterPath path({cx - 44, cy - 3});
    path.quadTo(cx - 38, cy - 13, cx - 14, cy - 15);
    path.quadTo(cx - 34, cy - 10, cx - 44, cy - 3);
    path.closeSubpath();
    paint(painter, path, Qt::white, Qt::NoPen, 0.55);
}

void coin(QPainter& painter, qreal cx, qreal cy, bool emblem)
{
    band(painter, cx, cy);
    reeding(painter, cx, cy);
    faceWithRim(painter, cx, cy);
    if (emblem) {
        beads(painter, cx, cy);
        star(painter, cx, cy);
    }
    gloss(painter, cx, cy);
}

struct Place {
    qreal x;  // centre of the face
    qreal y;
    bool emblem;
};

// Bottom first, each coin over the ones before it: a loose pair at the lower
// left, the upper coin slid a bit right and up, then the stack on the right.
constexpr std::array<Place, 2 + stackNudges.size()> places = [] {
    std::array<Place, 2 + stackNudges.size()> places{};
    const qreal bottomY = stackBottom - ry - thick;
    places[0] = {72, bottomY, false};
    places[1] = {72 + 19, bottomY - thick - 4, true};
    for (std::size_t i = 0; i < stackNudges.size(); ++i)
        places[2 + i] = {stackX + stackNudges[i], bottomY - thick * qreal(i), i + 1 == stackNudges.size()};
    return places;
}();

// What a coin covers from the top left of its face's bounds: the face, the
// band below it, and the rim's and outline's edges beyond them.
constexpr qreal spare = 2;
constexpr qreal coinWidth = 2 * (rx + spare);
constexpr qreal coinHeight = 2 * (ry + spare) + thick;

QSize coinSize(qreal scale) { return {int(coinWidth * scale) + 2, int(coinHeight * scale) + 2}; }

constexpr int phaseSteps = 64;  // a coin lands within 1/64 of a pixel of its place

// A coin as the program was built with it (coinpictures.cpp), where there is
// one for that density. A PNG costs less to decode than the raw pixels cost
// to map in.
QImage builtInCoin(bool emblem, qreal scale)
{
    const QString path = QStringLiteral(":/tessaly/coin-%1@%2x.png")
                             .arg(emblem ? QStringLiteral("emblem") : QStringLiteral("plain"))
                             .arg(scale);
    if (!QFile::exists(path))
        return {};
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    QImage image = reader.read();
    image.convertTo(QImage::Format_ARGB32_Premultiplied);
    return image;
}

// Each coin of the picture is one of a few pictures of a single coin: those
// built in on a screen of one or two pixels a point, others painted once for
// their density and place within a pixel.
QImage coinImage(bool emblem, qreal scale, QPoint phase)
{
    struct Known {
        bool emblem;
        qreal scale;
        QPoint phase;  // in steps
        QImage image;
    };
    static std::mutex guard;  // an image may be painted on any thread
    static std::vector<Known> known;
    const std::lock_guard lock(guard);
    for (const Known& k : known) {
        if (k.emblem == emblem && k.scale == scale && k.phase == phase)
            return k.image;
    }
    QImage image = phase.isNull() ? builtInCoin(emblem, scale) : QImage();
    if (image.isNull())
        image = paintCoin(emblem, scale, QPointF(phase) / phaseSteps);
    known.push_back({emblem, scale, phase, image});
    return image;
}

} // namespace

QImage paintCoin(bool emblem, qreal scale, QPointF phase)
{
    QImage image(coinSize(scale), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(phase);
    painter.scale(scale, scale);
    coin(painter, rx + spare, ry + spare, emblem);
    painter.end();
    return image;
}

void paintCoins(QPainter& painter)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    for (const Place& place : places)
        coin(painter, place.x, place.y, place.emblem);
    painter.restore();
}

void drawCoins(QPainter& painter)
{
    const QTransform toDevice = painter.deviceTransform();
    const qreal scale = toDevice.m11();
    if (toDevice.type() > QTransform::TxScale || toDevice.m22() != scale || scale <= 0) {
        paintCoins(painter);
        return;
    }
    const QTransform toLogical = toDevice.inverted();
    for (const Place& place : places) {
        const QPointF at = toDevice.map(QPointF(place.x - rx - spare, place.y - ry - spare));
        const QPoint whole(qFloor(at.x()), qFloor(at.y()));
        const QImage image = coinImage(place.emblem, scale, ((at - whole) * phaseSteps).toPoint());
        painter.drawImage(toLogical.mapRect(QRectF(whole, image.size())), image);
    }
}

} // namespace tessaly
