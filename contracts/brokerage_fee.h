#pragma once

#include <QtGlobal>

#include <optional>

// The legal maximum brokerage fee (중개보수 상한) of a deal, by the schedule in
// force since 2021-10-19.
//
// The base of a sale is its price. The base of a lease is the deposit plus
// the monthly rent × 100, or plus the monthly rent × 70 when that first sum
// is under 50,000,000 won; this holds for every kind of property. The fee is
// the whole-won floor of base × rate, then at most the cap of the tier.
enum class FeeDeal { Sale, Lease };
enum class FeeProperty { Housing, Officetel, Other };
struct FeeLimit {
    qint64 baseWon;
    int ratePermille;  // tenths of a percent: 0.6% is 6
    std::optional<qint64> capWon;
    qint64 maxFeeWon;
};
// `monthlyRentWon` is ignored for a sale. Negative amounts count as 0.
FeeLimit maxBrokerageFee(FeeDeal deal, FeeProperty property, qint64 amountWon,
                         qint64 monthlyRentWon = 0);
