#include "contracts/brokerage_fee.h"

#include <algorithm>
#include <limits>

namespace {

constexpr qint64 kMax = std::numeric_limits<qint64>::max();
constexpr qint64 kManWon = 10'000;

// One tier of a schedule: bases under `below` won.
struct Tier {
    qint64 below;
    int permille;
    std::optional<qint64> cap;
};

constexpr Tier kHousingSale[] = {
    {5'000 * kManWon, 6, 250'000},        {20'000 * kManWon, 5, 800'000},
    {90'000 * kManWon, 4, std::nullopt},  {120'000 * kManWon, 5, std::nullopt},
    {150'000 * kManWon, 6, std::nullopt}, {kMax, 7, std::nullopt},
};
constexpr Tier kHousingLease[] = {
    {5'000 * kManWon, 5, 200'000},        {10'000 * kManWon, 4, 300'000},
    {60'000 * kManWon, 3, std::nullopt},  {120'000 * kManWon, 4, std::nullopt},
    {150'000 * kManWon, 5, std::nullopt}, {kMax, 6, std::nullopt},
};

// Amounts this large cannot be written in an amount field; they are held at
// the largest number instead of wrapping round.
qint64 saturatedSum(qint64 a, qint64 b) {
    qint64 sum = 0;
    return __builtin_add_overflow(a, b, &sum) ? kMax : sum;
}
qint64 saturatedProduct(qint64 a, qint64 b) {
    qint64 product = 0;
    return __builtin_mul_overflow(a, b, &product) ? kMax : product;
}

qint64 leaseBase(qint64 deposit, qint64 monthlyRent) {
    const qint64 base = saturatedSum(deposit, saturatedProduct(monthlyRent, 100));
    if (base < 5'000 * kManWon) return saturatedSum(deposit, saturatedProduct(monthlyRent, 70));
    return base;
}

template <std::size_t N>
const Tier& tierOf(const Tier (&schedule)[N], qint64 base) {
    for (const Tier& tier : schedule) {
        if (base < tier.below) return tier;
    }
    return schedule[N - 1];
}

Tier tierFor(FeeDeal deal, FeeProperty property, qint64 base) {
    switch (property) {
        case FeeProperty::Housing:
            return deal == FeeDeal::Sale ? tierOf(kHousingSale, base) : tierOf(kHousingLease, base);
        case FeeProperty::Officetel:
            return {kMax, deal == FeeDeal::Sale ? 5 : 4, std::nullopt};
        case FeeProperty::Other:
            break;
    }
    return {kMax, 9, std::nullopt};
}

// floor(base × permille / 1000) without overflow for every base.
qint64 permilleOf(qint64 base, int permille) {
    return base / 1000 * permille + base % 1000 * permille / 1000;
}

}  // namespace

FeeLimit maxBrokerageFee(FeeDeal deal, FeeProperty property, qint64 amountWon,
                         qint64 monthlyRentWon) {
    const qint64 amount = std::max<qint64>(amountWon, 0);
    const qint64 rent = std::max<qint64>(monthlyRentWon, 0);
    const qint64 base = deal == FeeDeal::Sale ? amount : leaseBase(amount, rent);
    const Tier tier = tierFor(deal, property, base);
    qint64 fee = permilleOf(base, tier.permille);
    if (tier.cap) fee = std::min(fee, *tier.cap);
    return FeeLimit{base, tier.permille, tier.cap, fee};
}
