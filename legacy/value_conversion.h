#pragma once

#include "data/field_def.h"
#include "legacy/legacy_table.h"

#include <QVariant>

// Turns a value of an old table into the value its field in the store holds,
// or says in Korean why it does not fit. Nothing is cut or rounded: text
// longer than the field, a number with a fraction for a whole-number field,
// a number beyond the field's range, text that is not a number, a date that
// is not a date, or bytes that are not text of the file's code page are
// refused.
//
// Blank values become empty text in text and memo fields (as the forms store
// an empty field) and stay empty (NULL) in number fields. Dates become the
// store's "YYYY-MM-DD" text, times "HH:MM:SS", logical values "Y" or "N" in
// text fields and 1 or 0 in number fields. Memo text loses the carriage
// return before each line feed.
struct ConvertedValue {
    QVariant value;
    QString error;  // empty when the value fits

    bool fits() const { return error.isEmpty(); }
};

ConvertedValue convertLegacyValue(const LegacyValue& value, LegacyType sourceType,
                                  const FieldDef& target, const QByteArray& codePage);

// Whether the value is blank (in the file or as text of blanks only).
bool isBlankLegacyValue(const LegacyValue& value);
