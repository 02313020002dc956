#include "imaging/orientation.h"

#include <QTransform>

bool swapsAxes(int orientation) {
    return orientation >= 5 && orientation <= 8;
}

QSize uprightSize(QSize stored, int orientation) {
    return swapsAxes(orientation) ? stored.transposed() : stored;
}

QImage uprightImage(const QImage& stored, int orientation) {
    if (stored.isNull()) return stored;
    const auto turned = [&stored](qreal degrees) {
        return stored.transformed(QTransform().rotate(degrees));
    };
    switch (orientation) {
        case 2:
            return stored.mirrored(true, false);
        case 3:
            return stored.mirrored(true, true);
        case 4:
            return stored.mirrored(false, true);
        case 5:
            return turned(90).mirrored(true, false);
        case 6:
            return turned(90);
        case 7:
            return turned(90).mirrored(false, true);
        case 8:
            return turned(270);
        default:
            return stored;
    }
}
