#include "legacy/value_conversion.h"

#include "common/cp949.h"
#include "legacy/code_page.h"

#include <QLocale>
#include <QRegularExpression>

#include <cmath>
#include <limits>

namespace {

ConvertedValue refused(const QString& reason) {
    return {QVariant(), reason};
}

ConvertedValue accepted(QVariant value) {
    return {std::move(value), QString()};
}

QString shortestNumber(double value) {
    if (std::trunc(value) == value && std::fabs(value) < 1e15)
        return QString::number(static_cast<qint64>(value));
    return QLocale::c().toString(value, 'g', QLocale::FloatingPointShortest);
}

struct Range {
    qint64 low;
    qint64 high;
};

Range rangeOf(const FieldDef& target) {
    if (target.type == FieldType::SmallInt)
        return {std::numeric_limits<qint16>::min(), std::numeric_limits<qint16>::max()};
    return {std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max()};
}

ConvertedValue wholeNumber(qint64 value, const FieldDef& target) {
    const Range range = rangeOf(target);
    if (value < range.low || value > range.high) {
        return refused(QStringLiteral("값 %1이(가) 이 항목의 범위(%2 ~ %3)를 넘습니다.")
                           .arg(value)
                           .arg(range.low)
                           .arg(range.high));
    }
    return accepted(value);
}

ConvertedValue wholeFromDouble(double value, const FieldDef& target) {
    if (std::trunc(value) != value)
        return refused(QStringLiteral("정수가 아닙니다 (%1).").arg(shortestNumber(value)));
    if (std::fabs(value) > 9.0e15)
        return refused(
            QStringLiteral("값 %1이(가) 이 항목의 범위를 넘습니다.").arg(shortestNumber(value)));
    return wholeNumber(static_cast<qint64>(value), target);
}

// Text typed in an old text field where the store keeps a number.
ConvertedValue numberFromText(const QString& text, const FieldDef& target) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) return accepted(QVariant());
    static const QRegularExpression whole(QStringLiteral("^[-+]?[0-9]+$"));
    static const QRegularExpression decimal(QStringLiteral("^[-+]?([0-9]+\\.?[0-9]*|\\.[0-9]+)$"));
    bool ok = false;
    if (target.isInteger() && whole.match(trimmed).hasMatch()) {
        const qint64 value = trimmed.toLongLong(&ok);
        if (ok) return wholeNumber(value, target);
    } else if (!target.isInteger() && decimal.match(trimmed).hasMatch()) {
        const double value = trimmed.toDouble(&ok);
        if (ok) return accepted(value);
    }
    return refused(QStringLiteral("숫자가 아닙니다 (\"%1\").").arg(trimmed));
}

std::optional<QString> decodedText(const QByteArray& bytes, LegacyType sourceType,
                                   const QByteArray& codePage) {
    std::optional<QString> text = decodeStrictly(bytes, codePage);
    if (text && sourceType == LegacyType::Memo)
        text->replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

QString undecodable(const QByteArray& codePage) {
    return QStringLiteral("%1 글자가 아닌 바이트가 있습니다.").arg(QString::fromLatin1(codePage));
}

ConvertedValue toText(const LegacyValue& value, LegacyType sourceType, const FieldDef& target,
                      const QByteArray& codePage) {
    QString text;
    if (const auto* bytes = std::get_if<QByteArray>(&value)) {
        const std::optional<QString> decoded = decodedText(*bytes, sourceType, codePage);
        if (!decoded) return refused(undecodable(codePage));
        text = *decoded;
    } else if (const auto* whole = std::get_if<qint64>(&value)) {
        text = QString::number(*whole);
    } else if (const auto* number = std::get_if<double>(&value)) {
        text = shortestNumber(*number);
    } else if (const auto* date = std::get_if<QDate>(&value)) {
        text = date->toString(QStringLiteral("yyyy-MM-dd"));
    } else if (const auto* time = std::get_if<QTime>(&value)) {
        text = time->toString(QStringLiteral("HH:mm:ss"));
    } else if (const auto* moment = std::get_if<QDateTime>(&value)) {
        text = moment->toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    } else if (const auto* flag = std::get_if<bool>(&value)) {
        text = *flag ? QStringLiteral("Y") : QStringLiteral("N");
    } else if (std::holds_alternative<LegacyBinary>(value)) {
        return refused(QStringLiteral("그림이나 이진 자료는 글자 항목에 옮길 수 없습니다."));
    }
    // Empty text is stored as empty text, not as a missing value.
    if (text.isNull()) text = QStringLiteral("");
    if (target.type == FieldType::Text && target.size > 0) {
        const int bytes = cp949ByteLength(text);
        if (bytes > target.size) {
            return refused(QStringLiteral("값이 %1바이트로, 최대 %2바이트를 넘습니다.")
                               .arg(bytes)
                               .arg(target.size));
        }
    }
    return accepted(text);
}

ConvertedValue toNumber(const LegacyValue& value, LegacyType sourceType, const FieldDef& target,
                        const QByteArray& codePage) {
    if (std::holds_alternative<std::monostate>(value)) return accepted(QVariant());
    if (const auto* bytes = std::get_if<QByteArray>(&value)) {
        const std::optional<QString> text = decodedText(*bytes, sourceType, codePage);
        if (!text) return refused(undecodable(codePage));
        return numberFromText(*text, target);
    }
    if (const auto* flag = std::get_if<bool>(&value)) {
        return target.isInteger() ? accepted(qint64{*flag ? 1 : 0}) : accepted(*flag ? 1.0 : 0.0);
    }
    if (const auto* whole = std::get_if<qint64>(&value)) {
        return target.isInteger() ? wholeNumber(*whole, target)
                                  : accepted(static_cast<double>(*whole));
    }
    if (const auto* number = std::get_if<double>(&value)) {
        return target.isInteger() ? wholeFromDouble(*number, target) : accepted(*number);
    }
    if (std::holds_alternative<LegacyBinary>(value))
        return refused(QStringLiteral("그림이나 이진 자료는 숫자 항목에 옮길 수 없습니다."));
    return refused(QStringLiteral("날짜나 시각은 숫자 항목에 옮길 수 없습니다."));
}

}  // namespace

bool isBlankLegacyValue(const LegacyValue& value) {
    if (std::holds_alternative<std::monostate>(value)) return true;
    const auto* bytes = std::get_if<QByteArray>(&value);
    return bytes && bytes->trimmed().isEmpty();
}

ConvertedValue convertLegacyValue(const LegacyValue& value, LegacyType sourceType,
                                  const FieldDef& target, const QByteArray& codePage) {
    if (const auto* invalid = std::get_if<LegacyInvalid>(&value)) return refused(invalid->reason);
    if (target.isNumeric()) return toNumber(value, sourceType, target, codePage);
    return toText(value, sourceType, target, codePage);
}
