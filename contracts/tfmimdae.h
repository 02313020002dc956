#pragma once

#include "contracts/contract_form.h"

// The lease contract "부동산 임대차 계약서" between a lessor and a lessee, with a
// deposit and a monthly rent (table cont_1), on the contract frame. See
// ContractForm for the modes the opener chooses.
class TFMimdae : public ContractForm {
    Q_OBJECT
public:
    explicit TFMimdae(QWidget* parent = nullptr);

private:
    void buildSheet();
};
