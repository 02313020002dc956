#include "data/field_def.h"

#include <QRegularExpression>

FieldDef fieldFromDeclaredType(const QString& name, const QString& declaredType) {
    FieldDef field;
    field.name = name;
    field.displayLabel = name;
    const QString type = declaredType.trimmed().toUpper();
    static const QRegularExpression sized(QStringLiteral(R"(^(VAR)?CHAR\s*\(\s*(\d+)\s*\)$)"));
    const auto match = sized.match(type);
    if (match.hasMatch()) {
        field.type = FieldType::Text;
        field.size = match.captured(2).toInt();
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
