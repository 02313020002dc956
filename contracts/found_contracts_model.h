#pragma once

#include "contracts/contract_search.h"

#include <QAbstractTableModel>
#include <QStringList>

#include <vector>

// The contracts a search found, as the search grid lists them: signing
// date, the two parties and the address.
class FoundContractsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    // The rows and the column titles (signing date, first party, second
    // party, address).
    void show(std::vector<FoundContract> contracts, const QStringList& titles);
    const FoundContract* contract(int row) const;
    // The row of the contract with the key; -1 when it is not listed.
    int rowOf(qint64 key) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    std::vector<FoundContract> contracts_;
    QStringList titles_;
};
