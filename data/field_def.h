#pragma once

#include <QString>
#include <QVariant>

enum class FieldType { Text, Memo, Integer, SmallInt, Float, Unknown };

// A field of a table or a query result, with the display properties that the
// grids and the list printer use (title, width in characters, visibility,
// display mask such as "###,###").
struct FieldDef {
    QString name;
    FieldType type = FieldType::Unknown;
    int size = 0;  // text fields: the limit in CP949 bytes; 0 = unlimited
    QString displayLabel;
    int displayWidth = 0;
    bool visible = true;
    QString displayFormat;

    bool isNumeric() const {
        return type == FieldType::Integer || type == FieldType::SmallInt || type == FieldType::Float;
    }
    bool isInteger() const { return type == FieldType::Integer || type == FieldType::SmallInt; }
};

// Reads a declared column type such as "VARCHAR(17)", "INTEGER", "TEXT".
FieldDef fieldFromDeclaredType(const QString& name, const QString& declaredType);

// The display width a field has when none is set: its size for text, the
// widths of the desktop database tools for numbers.
int defaultDisplayWidth(const FieldDef& field);
