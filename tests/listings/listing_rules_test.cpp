// The listing rules without a window: amounts, the diary reminders, saving,
// deleting with photos and the telephone look-up.

#include "data/store_error.h"
#include "listings/diary_reminders.h"
#include "listings/listing_amounts.h"
#include "listings/listing_deletion.h"
#include "listings/listing_entry_checks.h"
#include "listings/listing_phone_lookup.h"
#include "listings/listing_record.h"
#include "tests/support/store_fixture.h"

#include <QDir>
#include <QFile>

namespace {

const QChar CR(13);

ListingRecord sampleListing() {
    ListingRecord listing;
    listing.name = QStringLiteral("김\"철수");
    listing.htel = QStringLiteral("02-123-4567");
    listing.hphone = QStringLiteral("010-1111-2222");
    listing.addr = QStringLiteral("종로구 청운동");
    listing.im = QStringLiteral("매매");
    listing.cname = QStringLiteral("아파트");
    listing.name1 = QStringLiteral("O'Neil");
    listing.htel1 = QStringLiteral("02-999-0000");
    listing.hphone1 = QStringLiteral("010-3333-4444");
    listing.dpung = 30;
    listing.tmprice = 100000;
    listing.inday = QStringLiteral("2026-12-01");
    listing.midday = QStringLiteral("2027-01-10");
    listing.lastday = QStringLiteral("2027-02-20");
    listing.memo1 = QStringLiteral("남향");
    return listing;
}

}  // namespace

// --- Amounts ----------------------------------------------------------------

TEST(ListingAmounts, DigitsOfTheFieldMakeTheNumber) {
    EXPECT_EQ(numberFromDigits(QStringLiteral("12.5")), 125) << "only the digits count";
    EXPECT_EQ(numberFromDigits(QStringLiteral("1,234,567")), 1234567);
    EXPECT_EQ(numberFromDigits(QString()), 0);
    EXPECT_EQ(numberFromDigits(QStringLiteral("abc")), 0);
    EXPECT_EQ(numberFromDigits(QStringLiteral("2,147,483,647")), 2147483647);
    EXPECT_FALSE(numberFromDigits(QStringLiteral("2147483648")));
    EXPECT_FALSE(numberFromDigits(QStringLiteral("99999999999999999999999999")))
        << "a long digit text must not wrap around";
}

TEST(ListingAmounts, PricePerPyeongRoundsHalfToEven) {
    EXPECT_EQ(pricePerPyeong(100000, 30), 3333);
    EXPECT_EQ(pricePerPyeong(200000, 30), 6667);
    EXPECT_EQ(pricePerPyeong(5, 2), 2);
    EXPECT_EQ(pricePerPyeong(7, 2), 4);
    EXPECT_EQ(pricePerPyeong(25, 10), 2);
    EXPECT_EQ(pricePerPyeong(35, 10), 4);
    EXPECT_EQ(pricePerPyeong(2147483647, 1), 2147483647);
}

TEST(ListingAmounts, DerivedPriceAndDifference) {
    DerivedAmounts derived = deriveAmounts(QStringLiteral("30"), QStringLiteral("100,000"),
                                           QStringLiteral("0"), QStringLiteral("0"));
    EXPECT_EQ(derived.pricePerPyeongText, QStringLiteral("3,333"));
    EXPECT_EQ(derived.statusText, QStringLiteral("차액: 100,000 천원"));

    derived = deriveAmounts(QStringLiteral("0"), QStringLiteral("50,000"), QStringLiteral("20,000"),
                            QStringLiteral("10,000"));
    EXPECT_FALSE(derived.pricePerPyeongText) << "no land area, no price per pyeong";
    EXPECT_EQ(derived.statusText, QStringLiteral("차액: 20,000 천원"));

    derived = deriveAmounts(QStringLiteral("10"), QStringLiteral("10,000"),
                            QStringLiteral("20,000"), QString());
    EXPECT_EQ(derived.pricePerPyeongText, QStringLiteral("1,000"));
    EXPECT_FALSE(derived.statusText) << "a negative difference leaves the panel";

    derived = deriveAmounts(QStringLiteral("10"), QStringLiteral("10,000"),
                            QStringLiteral("10,000"), QString());
    EXPECT_FALSE(derived.statusText) << "no difference, nothing to show";

    derived =
        deriveAmounts(QStringLiteral("0"), QStringLiteral("123,456,789"), QString(), QString());
    EXPECT_EQ(derived.statusText, QStringLiteral("차액: 123,456,789 천원"));
}

TEST(ListingAmounts, LoadedDifferenceIsExactAndWithoutSign) {
    EXPECT_EQ(loadedDifferenceText(-5000), QStringLiteral("5,000 천원"));
    EXPECT_EQ(loadedDifferenceText(20000), QStringLiteral("20,000 천원"));
    EXPECT_EQ(loadedDifferenceText(0), QStringLiteral("0 천원"));
    // A single-precision value would show 123,456,792 here.
    EXPECT_EQ(loadedDifferenceText(123456789), QStringLiteral("123,456,789 천원"));
}

TEST(ListingAmounts, LeftFieldGetsCommasOnlyForWholeNumbers) {
    EXPECT_EQ(leftAmountText(QStringLiteral("1234567")), QStringLiteral("1,234,567"));
    EXPECT_EQ(leftAmountText(QStringLiteral("0")), QStringLiteral("0"));
    EXPECT_FALSE(leftAmountText(QStringLiteral("12.5")));
    EXPECT_FALSE(leftAmountText(QString()));
    EXPECT_FALSE(leftAmountText(QStringLiteral("3000000000")));
}

TEST(ListingEntryChecks, MessagesNameTheField) {
    EXPECT_EQ(textTooLongMessage(QStringLiteral("지역-동/소재"), 42),
              QStringLiteral("지역-동/소재 항목은 42바이트까지 입력할 수 있습니다 ...!"));
    EXPECT_EQ(numberTooLargeMessage(QStringLiteral("융자")),
              QStringLiteral("융자 항목에는 2,147,483,647 까지 입력할 수 있습니다 ...!"));
    EXPECT_TRUE(fitsField(QStringLiteral("김철수다섯"), 10));
    EXPECT_FALSE(fitsField(QStringLiteral("김철수다섯x"), 10));
}

TEST(DiaryReminders, NoteHasThreeLinesSeparatedBySingleCarriageReturns) {
    const QString note = reminderNote(sampleListing());
    EXPECT_EQ(note, QStringLiteral("매매  아파트") + CR +
                        QStringLiteral("소유자:김\"철수 [집:02-123-4567] [휴:010-1111-2222]") + CR +
                        QStringLiteral("임차인:O'Neil [집:02-999-0000] [휴:010-3333-4444]"));
    EXPECT_FALSE(note.contains(QChar(10)));
}

// --- Store ------------------------------------------------------------------

class ListingStoreTest : public StoreTest {
  protected:
    QString diary(const QString& key, const char* field) {
        return scalar(QStringLiteral("SELECT %1 FROM diary1 WHERE scancode = ?")
                          .arg(QLatin1String(field)),
                      {key})
            .toString();
    }
    int diaryRows(const QString& key) {
        return scalar(QStringLiteral("SELECT count(*) FROM diary1 WHERE scancode = ?"), {key})
            .toInt();
    }
    QString saveNew(const ListingRecord& listing) {
        const auto number = saveListing(listing, SaveKind::AsNew, {}, {});
        EXPECT_TRUE(number);
        return number.value_or(QString());
    }
};

TEST_F(ListingStoreTest, NewListingIsStoredWithQuotesAndNewNumber) {
    const QString number = saveNew(sampleListing());
    EXPECT_EQ(number, QStringLiteral("2612081000000"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT name FROM budong WHERE scancode = ?"), {number}),
              QStringLiteral("김\"철수"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT name1 FROM budong WHERE scancode = ?"), {number}),
              QStringLiteral("O'Neil"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT reqing || kwanggo FROM budong")), QStringLiteral("YN"));

    const std::optional<ListingRecord> loaded = loadListing(number);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->scancode, number);
    EXPECT_EQ(loaded->dpung, 30);
    EXPECT_EQ(loaded->tmprice, 100000);
    EXPECT_EQ(loaded->memo1, QStringLiteral("남향"));
    EXPECT_FALSE(loadListing(QStringLiteral("nope")));
}

TEST_F(ListingStoreTest, NewListingWithoutDatesWritesNoReminder) {
    ListingRecord listing = sampleListing();
    listing.midday.clear();
    listing.lastday.clear();
    saveNew(listing);
    EXPECT_EQ(rows(QStringLiteral("diary1")), 0);
}

TEST_F(ListingStoreTest, ChangeOfMissingListingWritesNothing) {
    EXPECT_FALSE(saveListing(sampleListing(), SaveKind::AsChange, QStringLiteral("nope"), {}));
    EXPECT_EQ(rows(QStringLiteral("budong")), 0);
    EXPECT_EQ(rows(QStringLiteral("diary1")), 0);
}

TEST_F(ListingStoreTest, EmptyReceiptAndLeaseDatesKeepTheStoredOnes) {
    ListingRecord listing = sampleListing();
    listing.ipjuday = QStringLiteral("2026-03-01");
    listing.expireday = QStringLiteral("2028-02-28");
    const QString number = saveNew(listing);
    listing.inday.clear();
    listing.ipjuday.clear();
    listing.expireday.clear();
    listing.gdfirst.clear();
    listing.name = QStringLiteral("박영희");
    ASSERT_TRUE(
        saveListing(listing, SaveKind::AsChange, number, {listing.midday, listing.lastday}));
    const std::optional<ListingRecord> stored = loadListing(number);
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->name, QStringLiteral("박영희"));
    EXPECT_EQ(stored->inday, QStringLiteral("2026-12-01"));
    EXPECT_EQ(stored->ipjuday, QStringLiteral("2026-03-01"));
    EXPECT_EQ(stored->expireday, QStringLiteral("2028-02-28"));
}

TEST_F(ListingStoreTest, ChangeAppendsAReminderThatWasMissing) {
    ListingRecord listing = sampleListing();
    listing.midday.clear();
    const QString number = saveNew(listing);
    EXPECT_EQ(diaryRows(number + u'M'), 0);
    const LoadedPaymentDates loaded{QString(), listing.lastday};
    listing.midday = QStringLiteral("2027-01-15");
    ASSERT_TRUE(saveListing(listing, SaveKind::AsChange, number, loaded));
    EXPECT_EQ(diary(number + u'M', "day1"), QStringLiteral("2027-01-15"));
}

TEST_F(ListingStoreTest, FailedReminderLeavesNoListingRow) {
    // A reminder already stands under the key the new listing's reminder needs.
    sql(QStringLiteral(
        "INSERT INTO diary1 (scancode, day1) VALUES ('2612081000000M', '2020-01-01')"));
    EXPECT_THROW(saveListing(sampleListing(), SaveKind::AsNew, {}, {}), StoreError);
    EXPECT_EQ(rows(QStringLiteral("budong")), 0) << "the listing and its reminders go together";
    EXPECT_EQ(rows(QStringLiteral("diary1")), 1);
}

TEST_F(ListingStoreTest, TooLongTextIsRefusedWholly) {
    ListingRecord listing = sampleListing();
    listing.addr = QString(22, QChar(0xAC00));  // 44 bytes for a 42-byte field
    EXPECT_THROW(saveListing(listing, SaveKind::AsNew, {}, {}), StoreError);
    EXPECT_EQ(rows(QStringLiteral("budong")), 0);
    EXPECT_EQ(rows(QStringLiteral("diary1")), 0);
}

class ListingDeletionTest : public ListingStoreTest {
  protected:
    void addPhoto(const QString& key, const QString& listing, const QString& file) {
        sql(QStringLiteral("INSERT INTO pict (scancode, scanbud, filename) VALUES (?, ?, ?)"),
            {key, listing, file});
    }
    QString pictPath(const QString& file) { return office().pictDirectory() + u'/' + file; }
    void createFile(const QString& path) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("jpeg");
    }
};

TEST_F(ListingDeletionTest, DeletesRowsPhotosFilesAndReminders) {
    const QString number = saveNew(sampleListing());
    const QString other = saveNew(sampleListing());
    addPhoto(QStringLiteral("p1"), number, QStringLiteral("a.jpg"));
    addPhoto(QStringLiteral("p2"), number, QStringLiteral("b.jpg"));
    addPhoto(QStringLiteral("p3"), other, QStringLiteral("c.jpg"));
    addPhoto(QStringLiteral("p4"), number, QStringLiteral("gone.jpg"));  // no file: skipped
    for (const char* name : {"a.jpg", "b.jpg", "c.jpg"})
        createFile(pictPath(QLatin1String(name)));
    dlg().reset();

    EXPECT_EQ(listingPhotoFiles(number),
              QStringList(
                  {QStringLiteral("a.jpg"), QStringLiteral("b.jpg"), QStringLiteral("gone.jpg")}));
    EXPECT_TRUE(deleteListingWithPhotos(number));

    EXPECT_EQ(dlg().texts(), QStringList{QStringLiteral("자료를 삭제하였습니다 ...!")});
    EXPECT_EQ(rows(QStringLiteral("budong")), 1);
    EXPECT_EQ(scalar(QStringLiteral("SELECT scanbud FROM pict")), other);
    EXPECT_EQ(rows(QStringLiteral("pict")), 1);
    EXPECT_FALSE(QFile::exists(pictPath(QStringLiteral("a.jpg"))));
    EXPECT_FALSE(QFile::exists(pictPath(QStringLiteral("b.jpg"))));
    EXPECT_TRUE(QFile::exists(pictPath(QStringLiteral("c.jpg"))));
    EXPECT_EQ(diaryRows(number + u'M') + diaryRows(number + u'L'), 0);
    EXPECT_EQ(diaryRows(other + u'M') + diaryRows(other + u'L'), 2);
}

TEST_F(ListingDeletionTest, PhotoFilesAreTakenFromTheOfficeFolderNotTheCurrentDirectory) {
    const QString number = saveNew(sampleListing());
    addPhoto(QStringLiteral("p1"), number, QStringLiteral("a.jpg"));
    createFile(pictPath(QStringLiteral("a.jpg")));
    QTemporaryDir elsewhere;
    ASSERT_TRUE(QDir(elsewhere.path()).mkdir(QStringLiteral("PICT")));
    createFile(elsewhere.path() + QStringLiteral("/PICT/a.jpg"));
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(elsewhere.path()));
    deleteListingWithPhotos(number);
    QDir::setCurrent(previous);
    EXPECT_FALSE(QFile::exists(pictPath(QStringLiteral("a.jpg"))));
    EXPECT_TRUE(QFile::exists(elsewhere.path() + QStringLiteral("/PICT/a.jpg")));
}

TEST_F(ListingDeletionTest, NamesReachingOutsideThePhotoFolderAreLeftAlone) {
    const QString outside = office().filePath(QStringLiteral("quarnel.ini"));
    ASSERT_TRUE(QFile::exists(outside));
    EXPECT_EQ(removePhotoFiles({QStringLiteral("../quarnel.ini"), QString(), QStringLiteral("..")}),
              0);
    EXPECT_TRUE(QFile::exists(outside));
}

TEST_F(ListingDeletionTest, FailureKeepsEveryRowAndFile) {
    const QString number = saveNew(sampleListing());
    addPhoto(QStringLiteral("p1"), number, QStringLiteral("a.jpg"));
    createFile(pictPath(QStringLiteral("a.jpg")));
    sql(
        QStringLiteral("CREATE TRIGGER refuse BEFORE DELETE ON budong BEGIN "
                       "SELECT RAISE(ABORT, 'locked'); END"));
    EXPECT_THROW(deleteListingWithPhotos(number), StoreError);
    EXPECT_EQ(rows(QStringLiteral("budong")), 1);
    EXPECT_EQ(rows(QStringLiteral("pict")), 1);
    EXPECT_EQ(rows(QStringLiteral("diary1")), 2);
    EXPECT_TRUE(QFile::exists(pictPath(QStringLiteral("a.jpg"))));
}

TEST_F(ListingDeletionTest, MissingListingIsReportedAndItsLeftoversGo) {
    addPhoto(QStringLiteral("p1"), QStringLiteral("orphan"), QStringLiteral("a.jpg"));
    createFile(pictPath(QStringLiteral("a.jpg")));
    EXPECT_FALSE(deleteListingWithPhotos(QStringLiteral("orphan")));
    EXPECT_EQ(dlg().last().text, QStringLiteral("해당되는 자료가 존재하지 않습니다 ...!"));
    EXPECT_EQ(rows(QStringLiteral("pict")), 0);
    EXPECT_FALSE(QFile::exists(pictPath(QStringLiteral("a.jpg"))));
}

TEST_F(ListingStoreTest, TelephoneLookUpListsTheOwnersListings) {
    ListingRecord listing = sampleListing();
    listing.gpung = 25;
    saveNew(listing);
    listing.im = QStringLiteral("임대");
    listing.cname = QStringLiteral("상가");
    listing.dpung = 0;
    listing.gpung = 12;
    saveNew(listing);
    listing.htel = QStringLiteral("02-\"x' or ''='");
    saveNew(listing);
    listing.htel.clear();
    saveNew(listing);

    EXPECT_EQ(listingsWithTelephone(QStringLiteral("02-123-4567")),
              QStringList({QStringLiteral("매매 - 아파트 - 30 - 25"),
                           QStringLiteral("임대 - 상가 - 0 - 12")}));
    EXPECT_EQ(listingsWithTelephone(QStringLiteral("02-\"x' or ''='")).size(), 1);
    EXPECT_TRUE(listingsWithTelephone(QStringLiteral("02-000-0000")).isEmpty());
    EXPECT_TRUE(listingsWithTelephone(QString()).isEmpty())
        << "an empty telephone must not list every listing without one";
}
