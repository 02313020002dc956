// The rules of the contracts that need no window: the legal fee limit, the
// amount-field texts, the printed value of a field, the two units of an
// area and the check that the payments add up.

#include "common/amount_words.h"
#include "common/cp949.h"
#include "contracts/amount_field.h"
#include "contracts/area_conversion.h"
#include "contracts/brokerage_fee.h"
#include "contracts/layout_printer.h"
#include "contracts/payment_check.h"
#include "data/database.h"
#include "tests/contracts/contracts_support.h"

#include <limits>

namespace {
constexpr qint64 kMan = 10'000;
constexpr qint64 kEok = 100'000'000;
}  // namespace

// Every tier boundary of the schedule: the last won below it and the first
// won of the next tier, with the rate, the cap and the fee.
TEST(BrokerageFeeTest, EveryTierBoundaryOfTheSchedule) {
    const struct {
        FeeDeal deal;
        FeeProperty property;
        qint64 amount;
        qint64 rent;
        qint64 base;
        int permille;
        std::optional<qint64> cap;
        qint64 fee;
    } cases[] = {
        // Housing sale.
        {FeeDeal::Sale, FeeProperty::Housing, 0, 0, 0, 6, 250'000, 0},
        {FeeDeal::Sale, FeeProperty::Housing, 10'000'000, 0, 10'000'000, 6, 250'000, 60'000},
        {FeeDeal::Sale, FeeProperty::Housing, 5'000 * kMan - 1, 0, 5'000 * kMan - 1, 6, 250'000,
         250'000},
        {FeeDeal::Sale, FeeProperty::Housing, 5'000 * kMan, 0, 5'000 * kMan, 5, 800'000, 250'000},
        {FeeDeal::Sale, FeeProperty::Housing, 2 * kEok - 1, 0, 2 * kEok - 1, 5, 800'000, 800'000},
        {FeeDeal::Sale, FeeProperty::Housing, 2 * kEok, 0, 2 * kEok, 4, std::nullopt, 800'000},
        {FeeDeal::Sale, FeeProperty::Housing, 9 * kEok - 1, 0, 9 * kEok - 1, 4, std::nullopt,
         3'599'999},
        {FeeDeal::Sale, FeeProperty::Housing, 9 * kEok, 0, 9 * kEok, 5, std::nullopt, 4'500'000},
        {FeeDeal::Sale, FeeProperty::Housing, 12 * kEok - 1, 0, 12 * kEok - 1, 5, std::nullopt,
         5'999'999},
        {FeeDeal::Sale, FeeProperty::Housing, 12 * kEok, 0, 12 * kEok, 6, std::nullopt, 7'200'000},
        {FeeDeal::Sale, FeeProperty::Housing, 15 * kEok - 1, 0, 15 * kEok - 1, 6, std::nullopt,
         8'999'999},
        {FeeDeal::Sale, FeeProperty::Housing, 15 * kEok, 0, 15 * kEok, 7, std::nullopt, 10'500'000},
        // A monthly rent means nothing to a sale.
        {FeeDeal::Sale, FeeProperty::Housing, kEok, 1'000'000, kEok, 5, 800'000, 500'000},
        // Housing lease, deposit only.
        {FeeDeal::Lease, FeeProperty::Housing, 5'000 * kMan - 1, 0, 5'000 * kMan - 1, 5, 200'000,
         200'000},
        {FeeDeal::Lease, FeeProperty::Housing, 5'000 * kMan, 0, 5'000 * kMan, 4, 300'000, 200'000},
        {FeeDeal::Lease, FeeProperty::Housing, kEok - 1, 0, kEok - 1, 4, 300'000, 300'000},
        {FeeDeal::Lease, FeeProperty::Housing, kEok, 0, kEok, 3, std::nullopt, 300'000},
        {FeeDeal::Lease, FeeProperty::Housing, 6 * kEok - 1, 0, 6 * kEok - 1, 3, std::nullopt,
         1'799'999},
        {FeeDeal::Lease, FeeProperty::Housing, 6 * kEok, 0, 6 * kEok, 4, std::nullopt, 2'400'000},
        {FeeDeal::Lease, FeeProperty::Housing, 12 * kEok - 1, 0, 12 * kEok - 1, 4, std::nullopt,
         4'799'999},
        {FeeDeal::Lease, FeeProperty::Housing, 12 * kEok, 0, 12 * kEok, 5, std::nullopt, 6'000'000},
        {FeeDeal::Lease, FeeProperty::Housing, 15 * kEok - 1, 0, 15 * kEok - 1, 5, std::nullopt,
         7'499'999},
        {FeeDeal::Lease, FeeProperty::Housing, 15 * kEok, 0, 15 * kEok, 6, std::nullopt, 9'000'000},
        // Deposit plus rent × 100, or × 70 when that is under 50,000,000 won.
        {FeeDeal::Lease, FeeProperty::Housing, 1'000 * kMan, 400'000, 5'000 * kMan, 4, 300'000,
         200'000},
        {FeeDeal::Lease, FeeProperty::Housing, 1'000 * kMan, 399'999, 37'999'930, 5, 200'000,
         189'999},
        // Residential officetels and every other property, the conversion included.
        {FeeDeal::Sale, FeeProperty::Officetel, 20 * kEok, 0, 20 * kEok, 5, std::nullopt,
         10'000'000},
        {FeeDeal::Lease, FeeProperty::Officetel, 3'000 * kMan, 1'000'000, 13'000 * kMan, 4,
         std::nullopt, 520'000},
        {FeeDeal::Sale, FeeProperty::Other, kEok, 0, kEok, 9, std::nullopt, 900'000},
        {FeeDeal::Lease, FeeProperty::Other, 500 * kMan, 500'000, 5'500 * kMan, 9, std::nullopt,
         495'000},
        {FeeDeal::Lease, FeeProperty::Other, 100 * kMan, 100'000, 800 * kMan, 9, std::nullopt,
         72'000},
        // Nothing negative.
        {FeeDeal::Lease, FeeProperty::Housing, -5, -1, 0, 5, 200'000, 0},
    };
    for (const auto& c : cases) {
        const FeeLimit limit = maxBrokerageFee(c.deal, c.property, c.amount, c.rent);
        SCOPED_TRACE(c.amount);
        EXPECT_EQ(limit.baseWon, c.base);
        EXPECT_EQ(limit.ratePermille, c.permille);
        EXPECT_EQ(limit.capWon, c.cap);
        EXPECT_EQ(limit.maxFeeWon, c.fee);
    }
    // The largest amounts are held, never wrapped round.
    constexpr qint64 kMax = std::numeric_limits<qint64>::max();
    const FeeLimit huge = maxBrokerageFee(FeeDeal::Lease, FeeProperty::Other, kMax, kMax);
    EXPECT_EQ(huge.baseWon, kMax);
    EXPECT_EQ(huge.maxFeeWon, kMax / 1000 * 9 + kMax % 1000 * 9 / 1000);
}

TEST(AmountFieldTest, TypedAmountsBecomeHanjaWordsAndTheGroupedFigure) {
    const auto expected = [](const char* digits, const char* grouped) {
        return hanjaAmountWords(QString::fromLatin1(digits)) + QStringLiteral("  (\\") +
               QString::fromLatin1(grouped) + u')';
    };
    const struct {
        QString typed;
        std::optional<QString> stored;
    } cases[] = {
        {QStringLiteral("5000만원"), expected("5000", "5,000")},
        {QString(), QStringLiteral("  (\\0)")},
        {QStringLiteral("₩0012,300"), expected("12300", "12,300")},
        {QStringLiteral("１２３"), expected("123", "123")},  // full-width digits
        {QStringLiteral("9999999999999999"), expected("9999999999999999", "9,999,999,999,999,999")},
        {QStringLiteral("10000000000000000"), std::nullopt},  // seventeen digits
    };
    for (const auto& c : cases) {
        EXPECT_EQ(amountFieldTextForTyped(c.typed), c.stored) << c.typed.toStdString();
    }
    // Entering the field shows the figure alone, with either won mark.
    EXPECT_EQ(amountFigure(expected("12300", "12,300")), QStringLiteral("12,300"));
    EXPECT_EQ(amountFigure(shownWonMark(expected("12300", "12,300"))), QStringLiteral("12,300"));
    EXPECT_EQ(amountFigure(QStringLiteral("오천")), QStringLiteral("오천"));
    EXPECT_EQ(amountWon(expected("12300", "12,300")), 12300);
    EXPECT_EQ(amountWon(QString()), 0);
    EXPECT_EQ(amountWon(QString(17, u'9')), std::nullopt);
}

// What the forms take, the store keeps: every field's limit is the width of
// its column, and the longest amount text fits the amount columns.
TEST_F(ContractsStoreTest, FieldLimitsAreTheStoresWidths) {
    const int widestAmount = cp949ByteLength(*amountFieldTextForTyped(QString(16, u'9')));
    EXPECT_EQ(widestAmount, 88);
    for (const DocumentProfile* profile :
         {&saleContractProfile(), &leaseContractProfile(), &explanationSheetProfile()}) {
        const TableInfo& table = db().tableInfo(profile->table);
        for (const DocumentField& field : profile->fields) {
            const int index = table.fieldIndex(field.name);
            ASSERT_GE(index, 0) << field.name.toStdString();
            const FieldDef& column = table.fields[static_cast<size_t>(index)];
            if (field.role == FieldRole::Amount) {
                EXPECT_GE(column.size, widestAmount) << field.name.toStdString();
            } else if (field.role != FieldRole::Memo) {
                EXPECT_EQ(column.size, field.bytes) << field.name.toStdString();
            }
        }
    }
}

TEST(LayoutFieldTextTest, NumbersGroupedAndRightAlignedOtherTextsAsStored) {
    const struct {
        const char* value;
        const char* digitcomma;
        QString printed;
    } cases[] = {
        {"1234567", "Y", QStringLiteral("  1,234,567")},
        {"123456.5", "Y", QStringLiteral("    123,456.5")},
        {"12345678901", "Y", QStringLiteral("12,345,678,901")},
        {"-5", "Y", QStringLiteral("         -5")},
        {"", "Y", QString()},
        {"84.5㎡", "Y", QStringLiteral("         84.5㎡")},
        {"넓음", "Y", QStringLiteral("넓음")},
        {"1,234", "Y", QStringLiteral("1,234")},
        {"1234567", "N", QStringLiteral("1234567")},
        {"  (\\0)", "", QStringLiteral("  (₩0)")},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(layoutFieldText(QString::fromUtf8(c.value), QString::fromLatin1(c.digitcomma)),
                  c.printed)
            << c.value;
    }
}

TEST(AreaConversionTest, EachUnitFillsTheOtherWithinTheFieldsWidth) {
    EXPECT_EQ(pyeongFromSquareMetres(QStringLiteral("100"), 6), QStringLiteral("30.25"));
    EXPECT_EQ(pyeongFromSquareMetres(QStringLiteral("121"), 6), QStringLiteral("36.6"));
    EXPECT_EQ(pyeongFromSquareMetres(QStringLiteral("１２１"), 6), QStringLiteral("36.6"));
    EXPECT_EQ(squareMetresFromPyeong(QStringLiteral("10"), 6), QStringLiteral("33.06"));
    EXPECT_EQ(squareMetresFromPyeong(QStringLiteral("1000"), 6), QStringLiteral("3305.8"));
    EXPECT_EQ(squareMetresFromPyeong(QStringLiteral("10000"), 6), QStringLiteral("33058"));
    EXPECT_EQ(squareMetresFromPyeong(QStringLiteral("1000000"), 6), std::nullopt) << "never cut";
    EXPECT_EQ(squareMetresFromPyeong(QStringLiteral("넓음"), 6), std::nullopt);
    EXPECT_EQ(squareMetresFromPyeong(QString(), 6), std::nullopt);
}

TEST(PaymentCheckTest, PaymentsMustAddUpToThePriceOrTheDeposit) {
    const auto amount = [](const char* digits) {
        return *amountFieldTextForTyped(QString::fromLatin1(digits));
    };
    DocumentRow row;
    row.set(QStringLiteral("ensurem"), amount("300000000"));
    row.set(QStringLiteral("money1"), amount("30000000"));
    row.set(QStringLiteral("money21"), QString());
    row.set(QStringLiteral("money22"), QString());
    row.set(QStringLiteral("money3"), amount("260000000"));
    EXPECT_EQ(
        paymentMismatchQuestion(DocumentKind::Sale, row),
        QStringLiteral("계약금, 중도금, 잔금의 합계가 매매대금과 맞지 않습니다.\n"
                       "매매대금: 300,000,000원\n지불 합계: 290,000,000원 (10,000,000원 부족)\n"
                       "그대로 저장할까요 ...?"));
    row.set(QStringLiteral("money21"), amount("20000000"));
    EXPECT_TRUE(
        paymentMismatchQuestion(DocumentKind::Lease, row)->contains(QStringLiteral("보증금과")));
    EXPECT_TRUE(paymentMismatchQuestion(DocumentKind::Lease, row)
                    ->contains(QStringLiteral("10,000,000원 초과")));
    row.set(QStringLiteral("money21"), amount("10000000"));
    EXPECT_EQ(paymentMismatchQuestion(DocumentKind::Sale, row), std::nullopt);
    EXPECT_EQ(paymentMismatchQuestion(DocumentKind::Sheet, row), std::nullopt);
}
