#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>

// The values of one document (a contract or an explanation sheet) as the
// printer reads them: every field of the document's table by name, with the
// changes on the form not yet saved. Names are matched without regard to
// case, as the store matches field names.
class DocumentRow {
public:
    void set(const QString& field, const QString& value);
    std::optional<QString> value(const QString& field) const;
    // The field names in the order they were set.
    const QStringList& fields() const { return fields_; }

private:
    QStringList fields_;
    QHash<QString, QString> values_;  // by lower-case name
};
