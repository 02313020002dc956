#pragma once

#include <QAbstractTableModel>

class Query;

// Shows the visible fields of a Query in a grid: titles from the fields'
// display labels, values through their display masks ("###,###"). Rows are
// read from the store only as the grid shows them.
class QueryModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit QueryModel(Query& query, QObject* parent = nullptr);

    // Call after the query was opened, closed or its fields' visibility or
    // widths changed.
    void refresh();
    // Grid updates are held while the query is rebuilt.
    void suspend();
    void resume() { refresh(); }

    // The query field shown in a grid column, and back; -1 when none.
    int fieldOfColumn(int column) const;
    int columnOfField(int field) const;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    Query& query_;
    QList<int> visibleFields_;
    int rows_ = 0;
};

class QTableView;
// Sets the grid's column widths from the fields' display widths (characters
// of the grid's font).
void applyDisplayWidths(QTableView* grid, const QueryModel& model, const Query& query);
