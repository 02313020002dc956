#pragma once

#include "contracts/contract_form.h"

// The sale contract "부동산 매매 계약서" between a seller and a buyer (table
// cont_2), filled in, stored, browsed, changed, deleted and printed on the
// contract frame. See ContractForm for the modes the opener chooses.
class TFMmama : public ContractForm {
    Q_OBJECT
public:
    explicit TFMmama(QWidget* parent = nullptr);

private:
    void buildSheet();
};
