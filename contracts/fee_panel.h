#pragma once

#include "contracts/brokerage_fee.h"

#include <QGroupBox>

#include <optional>

class QComboBox;
class QLabel;

// The legal maximum brokerage fee of the contract on the form, worked out
// from its own amounts: the user chooses the kind of property, the panel
// shows the base, the rate, the cap and the fee.
class FeePanel : public QGroupBox {
    Q_OBJECT
public:
    FeePanel(FeeDeal deal, QWidget* parent = nullptr);

    // The contract's price or deposit and its monthly rent; nothing when a
    // field holds no readable amount.
    void showAmounts(std::optional<qint64> amountWon, std::optional<qint64> monthlyRentWon);

    FeeProperty property() const;

private:
    void refresh();

    FeeDeal deal_;
    std::optional<qint64> amount_;
    std::optional<qint64> rent_;
    QComboBox* CBfeeProperty = nullptr;
    QLabel* LBfee = nullptr;
};

// The panel's text for a fee limit: base (for a lease with how it was made
// of deposit and rent), rate, cap and fee, one to a line.
QString feeLimitText(FeeDeal deal, const FeeLimit& limit, qint64 amountWon, qint64 monthlyRentWon);
