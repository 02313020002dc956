#include "contracts/document_row.h"

void DocumentRow::set(const QString& field, const QString& value) {
    const QString key = field.toLower();
    if (!values_.contains(key)) fields_.append(field);
    values_.insert(key, value);
}

std::optional<QString> DocumentRow::value(const QString& field) const {
    const auto found = values_.constFind(field.toLower());
    if (found == values_.constEnd()) return std::nullopt;
    return *found;
}
