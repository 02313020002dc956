#include "contracts/found_contracts_model.h"

void FoundContractsModel::show(std::vector<FoundContract> contracts, const QStringList& titles) {
    beginResetModel();
    contracts_ = std::move(contracts);
    titles_ = titles;
    endResetModel();
}

const FoundContract* FoundContractsModel::contract(int row) const {
    return row >= 0 && row < rowCount() ? &contracts_[static_cast<size_t>(row)] : nullptr;
}

int FoundContractsModel::rowOf(qint64 key) const {
    for (size_t i = 0; i < contracts_.size(); ++i) {
        if (contracts_[i].key == key) return static_cast<int>(i);
    }
    return -1;
}

int FoundContractsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(contracts_.size());
}

int FoundContractsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 4;
}

QVariant FoundContractsModel::data(const QModelIndex& index, int role) const {
    const FoundContract* found = contract(index.row());
    if (role != Qt::DisplayRole || !found) return {};
    switch (index.column()) {
        case 0:
            return found->signday;
        case 1:
            return found->name1;
        case 2:
            return found->name2;
        case 3:
            return found->sojaji;
        default:
            return {};
    }
}

QVariant FoundContractsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return section + 1;
    return section < titles_.size() ? QVariant(titles_[section]) : QVariant();
}
