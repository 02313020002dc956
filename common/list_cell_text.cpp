#include "common/list_cell_text.h"

#include "common/number_format.h"

#include <algorithm>

namespace {

constexpr int kMostPaddingBlanks = 20;
constexpr int kSignificantDigits = 15;

QString withoutTrailingZeros(QString text) {
    if (!text.contains(QLatin1Char('.')))
        return text;
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text;
}

// The whole part grouped by thousands. A whole part within the 64-bit range
// is written exactly; only a longer one goes through the single amount
// format.
QString groupedWholePart(const QString& wholePart) {
    bool whole = false;
    const qint64 number = wholePart.toLongLong(&whole);
    QString grouped = whole ? formatAmount(number) : formatSingleAmount(wholePart.toFloat());
    // The whole part of -0.5 is "-0", which groups to "0".
    if (wholePart.startsWith(QLatin1Char('-')) && !grouped.startsWith(QLatin1Char('-'))) {
        grouped.prepend(QLatin1Char('-'));
    }
    return grouped;
}

}  // namespace

QString numericValueText(const QVariant& value) {
    if (value.isNull())
        return {};
    const int type = value.typeId();
    if (type != QMetaType::Double && type != QMetaType::Float)
        return value.toString();
    const double number = value.toDouble();
    const QString text = QString::number(number, 'g', kSignificantDigits);
    if (!text.contains(QLatin1Char('e')))
        return text;
    return withoutTrailingZeros(QString::number(number, 'f', kSignificantDigits));
}

QString numericCellText(const QVariant& value, int displayWidth) {
    if (value.toDouble() == 0.0)
        return {};
    QString text = numericValueText(value);
    if (text.isEmpty())
        text = QStringLiteral("0");
    const qsizetype dot = text.indexOf(QLatin1Char('.'));
    QString cell = groupedWholePart(dot < 0 ? text : text.left(dot));
    const int blanks =
        std::clamp(displayWidth - static_cast<int>(cell.size()), 0, kMostPaddingBlanks);
    cell.prepend(QString(blanks, QLatin1Char(' ')));
    const QString fraction = dot < 0 ? QString() : text.mid(dot + 1);
    if (!fraction.isEmpty())
        cell += QLatin1Char('.') + fraction;
    return cell;
}

QString listCellText(const FieldDef& field, const QVariant& value) {
    return field.isNumeric() ? numericCellText(value, field.displayWidth) : value.toString();
}
