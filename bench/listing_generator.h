#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include <cstdint>

class Database;

// Demo and volume listings: a deterministic generator of plausible rows of
// BUDONG.DB (Korean addresses by city, district and neighbourhood, the kinds
// of the classification codes, prices, areas, dates, flags, telephones and
// names), and a fast fill of a store with them.

// A small pseudo-random generator (SplitMix64) whose sequence is the same on
// every platform and library, so that a seed always gives the same listings.
class SeededRandom {
public:
    explicit SeededRandom(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next();
    // A whole number in [low, high].
    int between(int low, int high);
    // True with the given chance in percent.
    bool chance(int percent) { return between(1, 100) <= percent; }
    template <typename List>
    const auto& pick(const List& list) {
        return list[static_cast<qsizetype>(between(0, static_cast<int>(list.size()) - 1))];
    }

private:
    std::uint64_t state_;
};

// The codes of a category of the store's classification codes, in order.
QStringList storedCodes(Database& database, const QString& category);
// A Korean name of three syllables, and a mobile number.
QString generatedPersonName(SeededRandom& random);
QString generatedMobile(SeededRandom& random);

// One listing, with every field of BUDONG.DB.
struct GeneratedListing {
    QString scancode, name, htel, addr, addr1, im, cname, cname1;
    qint64 dpung = 0, gpung = 0, tmprice = 0, mpricepp = 0;
    QString cno, otel, hphone, buildname, duse, guse;
    qint64 stair = 0, rendmoney = 0;
    QString gdfirst, gdsecond, name1, htel1, otel1, hphone1;
    qint64 ensurem = 0, monthm = 0, pricepp = 0;
    QString bipum;
    qint64 tbipumm = 0, totalm = 0;
    QString inday, man, ipjuday, expireday, reqing, kwanggo, midday, lastday, memo1, memo2;
};

class ListingGenerator {
public:
    // `leaseKinds` and `saleKinds` are the codes of categories "I" and "M";
    // `today` places the lease ends and receipt dates around it; the
    // receipts of `expectedCount` listings spread over the eight years
    // before it.
    ListingGenerator(std::uint64_t seed, QStringList leaseKinds, QStringList saleKinds, QDate today,
                     int expectedCount = 200000);

    GeneratedListing next();

private:
    void fillOwnerAndTenant(GeneratedListing& listing);
    void fillPlace(GeneratedListing& listing);
    void fillMoney(GeneratedListing& listing);
    void fillDates(GeneratedListing& listing);
    QString personName();
    QString landLine(const QString& areaCode);
    QString mobile();
    QString dateAround(int daysBefore, int daysAfter);

    SeededRandom random_;
    QStringList leaseKinds_;
    QStringList saleKinds_;
    QDate today_;
    QDateTime keyMoment_;
    int meanStepSeconds_;
    int receipt_ = 0;
};

inline constexpr std::uint64_t kDefaultListingSeed = 20261208;

// Appends `count` generated listings to BUDONG.DB of the store, in one
// transaction through one prepared insert. The kinds are read from the
// store's classification codes. Returns the number of rows written.
int fillListings(Database& database, int count, std::uint64_t seed = kDefaultListingSeed,
                 QDate today = QDate(2026, 12, 8));
