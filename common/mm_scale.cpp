#include "common/mm_scale.h"

#include "common/print_device.h"

#include <cmath>
#include <cstdlib>
#include <limits>

namespace {

constexpr double kMillimetresPerInch = 25.4;
constexpr int kSmallestFontSize = 3;
constexpr int kLargestFontSize = 1000;

}  // namespace

int roundHalfEven(double value) {
    if (std::isnan(value))
        return 0;
    constexpr double kMin = std::numeric_limits<int>::min();
    constexpr double kMax = std::numeric_limits<int>::max();
    const double floor = std::floor(value);
    const double fraction = value - floor;
    double rounded = floor;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(floor, 2.0) != 0.0))
        rounded += 1.0;
    if (rounded <= kMin)
        return std::numeric_limits<int>::min();
    if (rounded >= kMax)
        return std::numeric_limits<int>::max();
    return static_cast<int>(rounded);
}

MmScale millimetreScale(const PrintDevice& device) {
    return MmScale{roundHalfEven(device.dpiX() / kMillimetresPerInch),
                   roundHalfEven(device.dpiY() / kMillimetresPerInch)};
}

int fitFont(PrintDevice& device, double heightMm, const MmScale& scale) {
    // The wanted cell height is measured with the horizontal scale, as the
    // printer layouts were made; on the usual square-dot printer both agree.
    const double wanted = (heightMm - 1.0) * scale.dx;
    int size = kSmallestFontSize;
    for (;; ++size) {
        device.setFontSize(size);
        // A negative height is a character height; its size is what counts.
        const int height = std::abs(device.fontHeight());
        if (height >= wanted || size >= kLargestFontSize)
            return size;
    }
}
