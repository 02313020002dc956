#include "contracts/area_conversion.h"

#include "common/input_checks.h"

#include <cmath>

namespace {

constexpr double kSquareMetresPerPyeong = 400.0 / 121.0;

std::optional<double> areaOf(const QString& typed) {
    QString text = halfWidthNumberText(typed).trimmed();
    text.remove(u',');
    if (text.isEmpty()) return std::nullopt;
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value) || value < 0) return std::nullopt;
    return value;
}

QString withoutTrailingZeros(QString text) {
    if (!text.contains(u'.')) return text;
    while (text.endsWith(u'0'))
        text.chop(1);
    if (text.endsWith(u'.')) text.chop(1);
    return text;
}

std::optional<QString> fitted(double value, int width) {
    for (int decimals = 2; decimals >= 0; --decimals) {
        const QString text = withoutTrailingZeros(QString::number(value, 'f', decimals));
        if (text.size() <= width) return text;
    }
    return std::nullopt;
}

}  // namespace

std::optional<QString> pyeongFromSquareMetres(const QString& typed, int width) {
    const std::optional<double> area = areaOf(typed);
    if (!area) return std::nullopt;
    return fitted(*area / kSquareMetresPerPyeong, width);
}

std::optional<QString> squareMetresFromPyeong(const QString& typed, int width) {
    const std::optional<double> area = areaOf(typed);
    if (!area) return std::nullopt;
    return fitted(*area * kSquareMetresPerPyeong, width);
}
