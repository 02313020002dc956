#include "tools/coloured_query_model.h"

#include "data/query.h"

ColouredQueryModel::ColouredQueryModel(Query& query, QObject* parent)
    : QueryModel(query, parent), query_(query) {}

void ColouredQueryModel::setFieldBackground(const QString& fieldName, const QColor& colour) {
    backgrounds_.insert(fieldName.toLower(), colour);
}

QVariant ColouredQueryModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::BackgroundRole)
        return QueryModel::data(index, role);
    const int field = fieldOfColumn(index.column());
    if (!index.isValid() || field < 0 || !query_.isOpen())
        return {};
    const QString name = query_.fields()[static_cast<size_t>(field)].name.toLower();
    const auto found = backgrounds_.constFind(name);
    return found == backgrounds_.constEnd() ? QVariant() : QVariant(*found);
}
