#include "common/query_model.h"

#include "common/column_width.h"
#include "common/number_format.h"
#include "data/query.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QTableView>

namespace {
// The number in a value read from the store, without Qt's general conversion
// for the two kinds the store gives.
double numberOf(const QVariant& value) {
    switch (value.typeId()) {
        case QMetaType::LongLong: return static_cast<double>(*static_cast<const qlonglong*>(value.constData()));
        case QMetaType::Double: return *static_cast<const double*>(value.constData());
        default: return value.toDouble();
    }
}
}  // namespace

QueryModel::QueryModel(Query& query, QObject* parent) : QAbstractTableModel(parent), query_(query) {}

void QueryModel::suspend() {
    beginResetModel();
    visibleFields_.clear();
    rows_ = 0;
    endResetModel();
}

void QueryModel::refresh() {
    beginResetModel();
    visibleFields_.clear();
    rows_ = 0;
    if (query_.isOpen()) {
        const auto& fields = query_.fields();
        for (size_t i = 0; i < fields.size(); ++i) {
            if (fields[i].visible) visibleFields_.append(static_cast<int>(i));
        }
        rows_ = query_.recordCount();
    }
    endResetModel();
}

int QueryModel::fieldOfColumn(int column) const {
    return column >= 0 && column < visibleFields_.size() ? visibleFields_[column] : -1;
}

int QueryModel::columnOfField(int field) const { return static_cast<int>(visibleFields_.indexOf(field)); }

QModelIndex QueryModel::index(int row, int column, const QModelIndex& parent) const {
    if (parent.isValid() || row < 0 || row >= rows_ || column < 0 || column >= visibleFields_.size()) return {};
    return createIndex(row, column);
}

int QueryModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

int QueryModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(visibleFields_.size());
}

QVariant QueryModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole && role != Qt::TextAlignmentRole) return {};
    if (!index.isValid() || !query_.isOpen()) return {};
    const int field = fieldOfColumn(index.column());
    if (field < 0) return {};
    const FieldDef& def = query_.fields()[static_cast<size_t>(field)];
    if (role == Qt::TextAlignmentRole) {
        return def.isNumeric() ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    }
    QVariant value = const_cast<Query&>(query_).valueAt(index.row(), field);
    if (value.isNull()) return QString();
    if (def.isNumeric() && !def.displayFormat.isEmpty()) return formatMask(def.displayFormat, numberOf(value));
    // A text is shown as it is; only other values need turning into text.
    if (value.typeId() == QMetaType::QString) return value;
    return value.toString();
}

QVariant QueryModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return section + 1;
    const int field = fieldOfColumn(section);
    return field < 0 ? QVariant() : QVariant(query_.fields()[static_cast<size_t>(field)].displayLabel);
}

void applyDisplayWidths(QTableView* grid, const QueryModel& model, const Query& query) {
    const QFontMetrics metrics(grid->font());
    const int charWidth = metrics.horizontalAdvance(QLatin1Char('0'));
    for (int column = 0; column < model.columnCount(); ++column) {
        const int field = model.fieldOfColumn(column);
        const FieldDef& def = query.fields()[static_cast<size_t>(field)];
        const int titleWidth = metrics.horizontalAdvance(def.displayLabel) + 8;
        const int characters = clampColumnCharacters(def.displayWidth);
        grid->setColumnWidth(column, std::max(titleWidth, characters * charWidth + 8));
    }
}
