// Paints the two coins of Tessaly's picture for one and two pixels a point
// into OUTDIR as PNG, which the program is built with: coinpictures OUTDIR
#include "coins.h"

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTDIR\n", argv[0]);
        return 2;
    }
    for (const bool emblem : {false, true}) {
        for (const int scale : {1, 2}) {
            const QImage image = tessaly::paintCoin(emblem, scale);
            const QString path = QString::fromLocal8Bit(argv[1])
                                 + QStringLiteral("/coin-%1@%2x.png").arg(emblem ? "emblem" : "plain").arg(scale);
            if (!image.save(path, "png")) {
                std::fprintf(stderr, "%s: cannot write %s\n", argv[0], qPrintable(path));
                return 1;
            }
        }
    }
    return 0;
}
