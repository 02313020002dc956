#include "common/print_device.h"

#include <cmath>

void PrintDevice::setFontName(const QString& name) {
    FontSpec wanted = font();
    wanted.name = name;
    setFont(wanted);
}

void PrintDevice::setFontSize(int pointSize) {
    FontSpec wanted = font();
    wanted.pointSize = pointSize;
    setFont(wanted);
}

int pointsToDots(int pointSize, int dpi) {
    const long long product = static_cast<long long>(pointSize) * dpi;
    // MulDiv rounds half away from zero.
    return static_cast<int>((product + (product >= 0 ? 36 : -36)) / 72);
}
