// Listing rules whose edge cases the entry form cannot reach: the limits of
// the digit reading, the rounding of the price per pyeong, the exactness of
// the loaded difference, and photo names reaching outside the photo folder.

#include "listings/listing_amounts.h"
#include "listings/listing_deletion.h"
#include "listings/photo_store.h"
#include "tests/support/store_fixture.h"

#include <QFile>

TEST(ListingAmounts, DigitsOfTheFieldMakeTheNumberUpToTheLargestWholeNumber) {
    const struct {
        const char* text;
        std::optional<qint64> number;
    } cases[] = {
        {"12.5", 125},  // the form refuses a decimal point before it reads a number
        {"１２３", 123},
        {"1,234,567", 1234567},
        {"", 0},
        {"abc", 0},
        {"2,147,483,647", 2147483647},
        {"2147483648", std::nullopt},
        {"99999999999999999999999999", std::nullopt},  // must not wrap around
    };
    for (const auto& c : cases)
        EXPECT_EQ(numberFromDigits(QString::fromUtf8(c.text)), c.number) << c.text;
}

TEST(ListingAmounts, PricePerPyeongRoundsHalfToEven) {
    const struct {
        qint64 price, area, perPyeong;
    } cases[] = {{100000, 30, 3333}, {200000, 30, 6667}, {5, 2, 2},   {7, 2, 4},
                 {25, 10, 2},        {35, 10, 4},        {-7, 2, -4}, {2147483647, 1, 2147483647}};
    for (const auto& c : cases)
        EXPECT_EQ(pricePerPyeong(c.price, c.area), c.perPyeong) << c.price << " / " << c.area;
}

TEST(ListingAmounts, LoadedDifferenceIsExactAndWithoutSign) {
    EXPECT_EQ(loadedDifferenceText(-5000), QStringLiteral("5,000 천원"));
    EXPECT_EQ(loadedDifferenceText(0), QStringLiteral("0 천원"));
    // A single-precision value would show 123,456,792 here.
    EXPECT_EQ(loadedDifferenceText(123456789), QStringLiteral("123,456,789 천원"));
}

using ListingPhotoFilesTest = StoreTest;

TEST_F(ListingPhotoFilesTest, NamesReachingOutsideThePhotoFolderAreLeftAlone) {
    const QString outside = office().filePath(QStringLiteral("quarnel.ini"));
    ASSERT_TRUE(QFile::exists(outside));
    EXPECT_EQ(removeUnnamedPhotoFiles(
                  {QStringLiteral("../quarnel.ini"), QString(), QStringLiteral("..")}),
              0);
    EXPECT_TRUE(QFile::exists(outside));
}
