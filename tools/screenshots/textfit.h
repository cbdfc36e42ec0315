#pragma once

#include <QStringList>

class QWidget;

// The captions and texts in a window that its controls cut off, one line
// each ("Lbl3: 'Ход № 1' needs 98x22 px, has 97x25"); empty when all fit.
QStringList textsThatDoNotFit(const QWidget* window);
