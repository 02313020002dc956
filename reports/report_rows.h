#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

#include <vector>

class Query;

// The rows a report prints, read whole before it is drawn: the preview window
// draws the report again whenever it is asked to, and no statement may stay
// open on the store while it waits for the user.
class ReportRows {
public:
    ReportRows() = default;
    explicit ReportRows(QStringList fields);

    // Every row of the open query, in its order; the query is left at its
    // first row.
    static ReportRows read(Query& query);

    void append(std::vector<QVariant> values);
    int count() const { return static_cast<int>(rows_.size()); }
    bool isEmpty() const { return rows_.empty(); }
    bool hasField(const QString& field) const { return indexOf(field) >= 0; }
    // The value of a field (of any case) in a row; null when there is no such
    // field.
    QVariant value(int row, const QString& field) const;

private:
    int indexOf(const QString& field) const;

    QStringList fields_;  // lower case
    std::vector<std::vector<QVariant>> rows_;
};
