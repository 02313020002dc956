#include "data/field_def.h"

#include <optional>

namespace {
bool isBlank(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f' || c == u'\v';
}

QStringView skipBlanks(QStringView text) {
    while (!text.isEmpty() && isBlank(text.front())) text = text.sliced(1);
    return text;
}

bool skipWord(QStringView& text, QStringView word) {
    if (!text.startsWith(word)) return false;
    text = text.sliced(word.size());
    return true;
}

// The length of an upper-case "CHAR(n)" or "VARCHAR(n)" type, with blanks
// allowed before "(" and around n; nothing for any other type.
std::optional<int> charLength(QStringView type) {
    skipWord(type, u"VAR");
    if (!skipWord(type, u"CHAR")) return std::nullopt;
    type = skipBlanks(type);
    if (!skipWord(type, u"(")) return std::nullopt;
    type = skipBlanks(type);
    qsizetype digits = 0;
    while (digits < type.size() && type[digits] >= u'0' && type[digits] <= u'9') ++digits;
    if (digits == 0) return std::nullopt;
    const int length = type.first(digits).toInt();
    type = skipBlanks(type.sliced(digits));
    if (type != u")") return std::nullopt;
    return length;
}
}  // namespace

FieldDef fieldFromDeclaredType(const QString& name, const QString& declaredType) {
    FieldDef field;
    field.name = name;
    field.displayLabel = name;
    const QString type = declaredType.trimmed().toUpper();
    if (const std::optional<int> length = charLength(type)) {
        field.type = FieldType::Text;
        field.size = *length;
    } else if (type == QLatin1String("TEXT") || type == QLatin1String("CLOB")) {
        field.type = FieldType::Memo;
    } else if (type == QLatin1String("SMALLINT")) {
        field.type = FieldType::SmallInt;
    } else if (type.contains(QLatin1String("INT"))) {
        field.type = FieldType::Integer;
    } else if (type.contains(QLatin1String("DOUB")) || type.contains(QLatin1String("FLOA")) ||
               type.contains(QLatin1String("REAL")) || type.contains(QLatin1String("NUM"))) {
        field.type = FieldType::Float;
    } else {
        field.type = FieldType::Unknown;
    }
    field.displayWidth = defaultDisplayWidth(field);
    return field;
}

int defaultDisplayWidth(const FieldDef& field) {
    switch (field.type) {
        case FieldType::Text: return field.size;
        case FieldType::Memo: return 10;
        case FieldType::Integer: return 11;
        case FieldType::SmallInt: return 6;
        case FieldType::Float: return 10;
        case FieldType::Unknown: return 10;
    }
    return 10;
}
