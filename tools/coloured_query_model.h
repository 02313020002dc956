#pragma once

#include "common/query_model.h"

#include <QColor>
#include <QHash>

// A grid model over a Query whose columns may each have their own
// background colour, given by field name.
class ColouredQueryModel : public QueryModel {
    Q_OBJECT
public:
    explicit ColouredQueryModel(Query& query, QObject* parent = nullptr);

    void setFieldBackground(const QString& fieldName, const QColor& colour);

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    const Query& query_;
    QHash<QString, QColor> backgrounds_;  // by lower-case field name
};
