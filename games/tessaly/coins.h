#pragma once

#include <QImage>
#include <QPointF>

class QPainter;

namespace tessaly {

// The window's picture, 363 x 291 pixels at one pixel a point: a hand-piled
// stack of nine gold coins on the right and two loose coins at the lower
// left, with nothing painted around them. Drawn from pictures of a single
// coin, so that painting it is eleven small copies.
void drawCoins(QPainter& painter);

// The same coins shape by shape: some 150 antialiased shapes.
void paintCoins(QPainter& painter);

// One coin, plain or with the emblem, painted for a screen of `scale` pixels
// a point and starting `phase` into a pixel. The program is built with the
// two for one and two pixels a point (coinpictures.cpp).
QImage paintCoin(bool emblem, qreal scale, QPointF phase = {});

} // namespace tessaly
