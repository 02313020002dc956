#pragma once

#include "contracts/contract_form.h"

// The explanation sheet of a brokerage object "중개대상물 확인 설명서(I)" (table
// jungGaH): the property's particulars, the registry's entries, public-law
// restrictions, taxes and other matters, confirmed by both parties. A
// document form of the contract frame, opened in the browse mode or from a
// listing.
class TFMjungGa : public ContractForm {
    Q_OBJECT
public:
    explicit TFMjungGa(QWidget* parent = nullptr);

private:
    void buildSheet();
};
