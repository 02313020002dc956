#include "reports/report_rows.h"

#include "data/query.h"

ReportRows::ReportRows(QStringList fields) : fields_(std::move(fields)) {
    for (QString& field : fields_)
        field = field.toLower();
}

ReportRows ReportRows::read(Query& query) {
    QStringList names;
    for (const FieldDef& field : query.fields())
        names.append(field.name);
    ReportRows rows(names);
    const int fields = query.fieldCount();
    for (query.first(); !query.eof(); query.next()) {
        std::vector<QVariant> values;
        values.reserve(static_cast<size_t>(fields));
        for (int i = 0; i < fields; ++i)
            values.push_back(query.value(i));
        rows.append(std::move(values));
    }
    query.first();
    return rows;
}

void ReportRows::append(std::vector<QVariant> values) {
    values.resize(static_cast<size_t>(fields_.size()));
    rows_.push_back(std::move(values));
}

int ReportRows::indexOf(const QString& field) const {
    return static_cast<int>(fields_.indexOf(field.toLower()));
}

QVariant ReportRows::value(int row, const QString& field) const {
    const int column = indexOf(field);
    if (column < 0 || row < 0 || row >= count()) return {};
    return rows_[static_cast<size_t>(row)][static_cast<size_t>(column)];
}
