#include "bench/listing_generator.h"

#include "bench/prepared_insert.h"
#include "common/clock.h"
#include "data/database.h"
#include "data/store_error.h"
#include "data/transaction.h"

#include <QSqlQuery>

#include <sqlite3.h>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

struct District {
    const char* name;
    std::array<const char*, 5> neighbourhoods;  // nullptr ends a shorter list
};

struct City {
    const char* name;
    const char* areaCode;
    std::array<District, 4> districts;  // name nullptr ends a shorter list
};

const std::array<City, 8> kCities{{
    {"서울시",
     "02",
     {{{"강남구", {"역삼동", "삼성동", "대치동", "논현동", "개포동"}},
       {"서초구", {"서초동", "방배동", "반포동", "잠원동", nullptr}},
       {"송파구", {"잠실동", "문정동", "가락동", "방이동", nullptr}},
       {"마포구", {"합정동", "망원동", "연남동", "상암동", nullptr}}}}},
    {"부산시",
     "051",
     {{{"해운대구", {"우동", "중동", "좌동", "재송동", nullptr}},
       {"수영구", {"광안동", "남천동", "민락동", nullptr, nullptr}},
       {"부산진구", {"부전동", "전포동", "양정동", nullptr, nullptr}},
       {nullptr, {}}}}},
    {"대구시",
     "053",
     {{{"수성구", {"범어동", "만촌동", "황금동", nullptr, nullptr}},
       {"달서구", {"월성동", "상인동", "진천동", nullptr, nullptr}},
       {nullptr, {}},
       {nullptr, {}}}}},
    {"인천시",
     "032",
     {{{"연수구", {"송도동", "연수동", "동춘동", nullptr, nullptr}},
       {"남동구", {"구월동", "논현동", "만수동", nullptr, nullptr}},
       {nullptr, {}},
       {nullptr, {}}}}},
    {"대전시",
     "042",
     {{{"유성구", {"봉명동", "궁동", "노은동", nullptr, nullptr}},
       {"서구", {"둔산동", "탄방동", "갈마동", nullptr, nullptr}},
       {nullptr, {}},
       {nullptr, {}}}}},
    {"광주시",
     "062",
     {{{"서구", {"치평동", "화정동", nullptr, nullptr, nullptr}},
       {"북구", {"용봉동", "운암동", nullptr, nullptr, nullptr}},
       {nullptr, {}},
       {nullptr, {}}}}},
    {"수원시",
     "031",
     {{{"영통구", {"영통동", "매탄동", "망포동", nullptr, nullptr}},
       {"팔달구", {"인계동", "우만동", nullptr, nullptr, nullptr}},
       {nullptr, {}},
       {nullptr, {}}}}},
    {"성남시",
     "031",
     {{{"분당구", {"정자동", "서현동", "수내동", "야탑동", nullptr}},
       {nullptr, {}},
       {nullptr, {}},
       {nullptr, {}}}}},
}};

const QStringList kSurnames = {
    QStringLiteral("김"), QStringLiteral("이"), QStringLiteral("박"), QStringLiteral("최"),
    QStringLiteral("정"), QStringLiteral("강"), QStringLiteral("조"), QStringLiteral("윤"),
    QStringLiteral("장"), QStringLiteral("임"), QStringLiteral("한"), QStringLiteral("오"),
    QStringLiteral("서"), QStringLiteral("신"), QStringLiteral("권"), QStringLiteral("황")};
const QStringList kGivenSyllables = {
    QStringLiteral("민"), QStringLiteral("서"), QStringLiteral("준"), QStringLiteral("지"),
    QStringLiteral("현"), QStringLiteral("수"), QStringLiteral("영"), QStringLiteral("은"),
    QStringLiteral("호"), QStringLiteral("진"), QStringLiteral("우"), QStringLiteral("연"),
    QStringLiteral("재"), QStringLiteral("희"), QStringLiteral("성"), QStringLiteral("경"),
    QStringLiteral("태"), QStringLiteral("아"), QStringLiteral("혜"), QStringLiteral("동")};
const QStringList kStaff = {QStringLiteral("김실장"), QStringLiteral("이과장"),
                            QStringLiteral("박대리"), QStringLiteral("최부장"),
                            QStringLiteral("정주임")};
const QStringList kApartmentBrands = {QStringLiteral("래미안"),   QStringLiteral("자이"),
                                      QStringLiteral("푸르지오"), QStringLiteral("힐스테이트"),
                                      QStringLiteral("아이파크"), QStringLiteral("더샵"),
                                      QStringLiteral("롯데캐슬"), QStringLiteral("센트레빌"),
                                      QStringLiteral("한신"),     QStringLiteral("주공")};
const QStringList kBuildingSuffixes = {QStringLiteral("빌딩"), QStringLiteral("타워"),
                                       QStringLiteral("프라자"), QStringLiteral("빌라"),
                                       QStringLiteral("하이츠")};
const QStringList kLandCategories = {QStringLiteral("대"), QStringLiteral("전"),
                                     QStringLiteral("답"), QStringLiteral("임야"),
                                     QStringLiteral("잡종지")};
const QStringList kBuildingUses = {QStringLiteral("주거용"), QStringLiteral("근린생활"),
                                   QStringLiteral("사무용"), QStringLiteral("판매시설"),
                                   QStringLiteral("창고시설")};
const QStringList kFixtures = {QStringLiteral("에어컨, 냉장고"), QStringLiteral("주방가구 일체"),
                               QStringLiteral("인테리어, 간판"),
                               QStringLiteral("책상, 의자, 칸막이")};
const QStringList kMemos = {
    QStringLiteral("남향, 역세권"), QStringLiteral("주차 가능, 관리비 별도"),
    QStringLiteral("급매, 가격 조정 가능"), QStringLiteral("학군 우수, 조용함"),
    QStringLiteral("대로변, 유동인구 많음")};

template <typename Array>
int filledCount(const Array& items) {
    int n = 0;
    for (const auto& item : items) {
        if (!item) break;
        ++n;
    }
    return n;
}

int districtCount(const City& city) {
    int n = 0;
    for (const District& district : city.districts) {
        if (!district.name) break;
        ++n;
    }
    return n;
}

QString stemOf(const QString& neighbourhood) {
    return neighbourhood.chopped(1);
}

bool isApartment(const QString& kind) {
    return kind.contains(QStringLiteral("아파트"));
}
bool isShop(const QString& kind) {
    return kind.contains(QStringLiteral("상가")) || kind == QStringLiteral("점포") ||
           kind == QStringLiteral("사무실");
}
bool isLand(const QString& kind) {
    return kind == QStringLiteral("토지");
}

}  // namespace

QStringList storedCodes(Database& database, const QString& category) {
    QSqlQuery query(database.connection());
    query.prepare(QStringLiteral("SELECT code FROM bucode WHERE gubun = ? ORDER BY code"));
    query.bindValue(0, category);
    QStringList codes;
    if (query.exec()) {
        while (query.next())
            codes.append(query.value(0).toString());
    }
    return codes;
}

QString generatedPersonName(SeededRandom& random) {
    return random.pick(kSurnames) + random.pick(kGivenSyllables) + random.pick(kGivenSyllables);
}

QString generatedMobile(SeededRandom& random) {
    return QStringLiteral("010-%1-%2")
        .arg(random.between(1000, 9999))
        .arg(random.between(0, 9999), 4, 10, QLatin1Char('0'));
}

std::uint64_t SeededRandom::next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

int SeededRandom::between(int low, int high) {
    if (high <= low) return low;
    const auto span = static_cast<std::uint64_t>(high - low) + 1;
    return low + static_cast<int>(next() % span);
}

ListingGenerator::ListingGenerator(std::uint64_t seed, QStringList leaseKinds,
                                   QStringList saleKinds, QDate today, int expectedCount)
    : random_(seed),
      leaseKinds_(std::move(leaseKinds)),
      saleKinds_(std::move(saleKinds)),
      today_(today),
      // Kept in UTC: stepping a local time looks up the time zone each time.
      keyMoment_(today.addYears(-8).startOfDay(Qt::UTC)),
      meanStepSeconds_(static_cast<int>(std::clamp<qint64>(
          keyMoment_.secsTo(today.startOfDay(Qt::UTC)) / std::max(1, expectedCount), 2,
          30 * 86400))) {
    if (leaseKinds_.isEmpty()) leaseKinds_ = {QStringLiteral("아파트")};
    if (saleKinds_.isEmpty()) saleKinds_ = {QStringLiteral("아파트")};
}

QString ListingGenerator::personName() {
    return generatedPersonName(random_);
}

QString ListingGenerator::landLine(const QString& areaCode) {
    return QStringLiteral("%1-%2-%3")
        .arg(areaCode)
        .arg(random_.between(200, 999))
        .arg(random_.between(0, 9999), 4, 10, QLatin1Char('0'));
}

QString ListingGenerator::mobile() {
    return generatedMobile(random_);
}

QString ListingGenerator::dateAround(int daysBefore, int daysAfter) {
    return today_.addDays(random_.between(-daysBefore, daysAfter))
        .toString(QStringLiteral("yyyy-MM-dd"));
}

GeneratedListing ListingGenerator::next() {
    GeneratedListing listing;
    // Keys advance by a random step around the mean, so every key is new
    // and the receipt dates run up to about today.
    keyMoment_ = keyMoment_.addSecs(random_.between(1, 2 * meanStepSeconds_ - 1))
                     .addMSecs(random_.between(0, 999));
    listing.scancode = formatTimestampKey(keyMoment_);
    listing.inday = keyMoment_.date().toString(QStringLiteral("yyyy-MM-dd"));
    listing.im = random_.chance(60) ? QStringLiteral("임대") : QStringLiteral("매매");
    listing.cname = random_.pick(listing.im == QStringLiteral("임대") ? leaseKinds_ : saleKinds_);
    listing.cno = QString::number(++receipt_);
    listing.man = random_.pick(kStaff);
    listing.reqing = random_.chance(75) ? QStringLiteral("Y") : QStringLiteral("N");
    listing.kwanggo = random_.chance(30) ? QStringLiteral("Y") : QStringLiteral("N");
    listing.memo1 = random_.pick(kMemos);
    listing.memo2 = random_.chance(30) ? random_.pick(kMemos) : QString();
    fillPlace(listing);
    fillOwnerAndTenant(listing);
    fillMoney(listing);
    fillDates(listing);
    return listing;
}

void ListingGenerator::fillPlace(GeneratedListing& listing) {
    const City& city = random_.pick(kCities);
    const District& district =
        city.districts[static_cast<size_t>(random_.between(0, districtCount(city) - 1))];
    const QString neighbourhood = QString::fromUtf8(district.neighbourhoods[static_cast<size_t>(
        random_.between(0, filledCount(district.neighbourhoods) - 1))]);
    listing.addr =
        QStringLiteral("%1 %2 %3")
            .arg(QString::fromUtf8(city.name), QString::fromUtf8(district.name), neighbourhood);
    const QString stem = stemOf(neighbourhood);
    if (isApartment(listing.cname)) {
        listing.addr1 = QStringLiteral("%1동 %2호")
                            .arg(random_.between(101, 115))
                            .arg(random_.between(1, 25) * 100 + random_.between(1, 4));
        listing.cname1 = stem + random_.pick(kApartmentBrands);
        if (random_.chance(30)) listing.cname1 += QStringLiteral("%1차").arg(random_.between(1, 5));
    } else {
        listing.addr1 =
            QStringLiteral("%1-%2").arg(random_.between(1, 999)).arg(random_.between(1, 60));
        if (random_.chance(50)) listing.cname1 = stem + listing.cname.left(4);
    }
    if (!isLand(listing.cname) && random_.chance(40))
        listing.buildname = stem + random_.pick(kBuildingSuffixes);
    listing.duse = random_.pick(kLandCategories);
    listing.guse = isLand(listing.cname) ? QString() : random_.pick(kBuildingUses);
    listing.htel = landLine(QString::fromUtf8(city.areaCode));
    if (random_.chance(40)) listing.otel = landLine(QString::fromUtf8(city.areaCode));
}

void ListingGenerator::fillOwnerAndTenant(GeneratedListing& listing) {
    listing.name = personName();
    listing.hphone = mobile();
    const bool tenanted =
        listing.im == QStringLiteral("임대") ? random_.chance(70) : random_.chance(35);
    if (!tenanted) return;
    listing.name1 = personName();
    listing.hphone1 = mobile();
    if (random_.chance(30)) listing.htel1 = landLine(listing.htel.section(u'-', 0, 0));
    if (random_.chance(20)) listing.otel1 = landLine(listing.htel.section(u'-', 0, 0));
}

void ListingGenerator::fillMoney(GeneratedListing& listing) {
    const QString& kind = listing.cname;
    if (isLand(kind)) {
        listing.dpung = random_.between(100, 3000);
    } else if (isApartment(kind)) {
        listing.gpung = random_.between(12, 70);
        listing.dpung = listing.gpung / 3 + random_.between(2, 10);
        listing.stair = random_.between(1, 30);
    } else {
        listing.gpung = random_.between(8, 200);
        listing.dpung = random_.between(20, 150);
        listing.stair = random_.between(1, 6);
    }
    if (listing.im == QStringLiteral("매매")) {
        listing.tmprice = static_cast<qint64>(random_.between(5, 250)) * 10000;  // 5천만 to 25억 원
        if (random_.chance(40)) listing.rendmoney = listing.tmprice * random_.between(1, 4) / 10;
        if (!listing.name1.isEmpty())
            listing.ensurem = listing.tmprice * random_.between(2, 6) / 10;
    } else {
        const bool monthly = random_.chance(55);
        listing.ensurem = monthly ? static_cast<qint64>(random_.between(1, 50)) * 1000
                                  : static_cast<qint64>(random_.between(5, 80)) * 10000;
        listing.monthm = monthly ? static_cast<qint64>(random_.between(3, 300)) * 10 : 0;
        listing.tmprice = listing.ensurem;
        if (isShop(kind) && random_.chance(50)) {
            listing.tbipumm = static_cast<qint64>(random_.between(1, 100)) * 1000;
            listing.bipum = random_.pick(kFixtures);
        }
        if (listing.gpung > 0)
            listing.pricepp = std::llround(double(listing.monthm) / double(listing.gpung));
    }
    if (listing.dpung > 0)
        listing.mpricepp = std::llround(double(listing.tmprice) / double(listing.dpung));
    listing.totalm = listing.ensurem + listing.tbipumm;
}

void ListingGenerator::fillDates(GeneratedListing& listing) {
    if (!isLand(listing.cname)) {
        listing.gdfirst =
            QDate(random_.between(1985, 2024), random_.between(1, 12), random_.between(1, 28))
                .toString(QStringLiteral("yyyy-MM-dd"));
        if (random_.chance(10)) listing.gdsecond = dateAround(3000, -400);
    }
    if (!listing.name1.isEmpty()) {
        // Two-year leases that began within the last two years and two months:
        // some end soon, some have just ended.
        const QDate start = today_.addDays(random_.between(-790, 0));
        listing.ipjuday = start.toString(QStringLiteral("yyyy-MM-dd"));
        listing.expireday = start.addYears(2).toString(QStringLiteral("yyyy-MM-dd"));
    }
    if (random_.chance(10)) {
        const QDate middle = today_.addDays(random_.between(0, 60));
        listing.midday = middle.toString(QStringLiteral("yyyy-MM-dd"));
        listing.lastday =
            middle.addDays(random_.between(30, 60)).toString(QStringLiteral("yyyy-MM-dd"));
    }
}

namespace {

constexpr const char* kInsertListing =
    "INSERT INTO budong (scancode, name, htel, addr, addr1, im, cname, cname1, dpung, gpung, "
    "tmprice, "
    "mpricepp, cno, otel, hphone, buildname, duse, guse, stair, rendmoney, gdfirst, gdsecond, "
    "name1, htel1, "
    "otel1, hphone1, ensurem, monthm, pricepp, bipum, tbipumm, totalm, inday, man, ipjuday, "
    "expireday, reqing, "
    "kwanggo, midday, lastday, memo1, memo2) VALUES "
    "(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,"
    "?,?,?,?,?,?,?,?,?,?,?,?,?)";

void insertListing(PreparedInsert& insert, const GeneratedListing& l) {
    insert.text(l.scancode)
        .text(l.name)
        .text(l.htel)
        .text(l.addr)
        .text(l.addr1)
        .text(l.im)
        .text(l.cname);
    insert.text(l.cname1)
        .number(l.dpung)
        .number(l.gpung)
        .number(l.tmprice)
        .number(l.mpricepp)
        .text(l.cno);
    insert.text(l.otel).text(l.hphone).text(l.buildname).text(l.duse).text(l.guse).number(l.stair);
    insert.number(l.rendmoney)
        .text(l.gdfirst)
        .text(l.gdsecond)
        .text(l.name1)
        .text(l.htel1)
        .text(l.otel1);
    insert.text(l.hphone1).number(l.ensurem).number(l.monthm).number(l.pricepp).text(l.bipum);
    insert.number(l.tbipumm).number(l.totalm).text(l.inday).text(l.man).text(l.ipjuday).text(
        l.expireday);
    insert.text(l.reqing).text(l.kwanggo).text(l.midday).text(l.lastday).text(l.memo1).text(
        l.memo2);
    insert.run();
}

}  // namespace

int fillListings(Database& database, int count, std::uint64_t seed, QDate today) {
    ListingGenerator generator(seed, storedCodes(database, QStringLiteral("I")),
                               storedCodes(database, QStringLiteral("M")), today, count);
    Transaction transaction(database);
    PreparedInsert insert(database.handle(), kInsertListing,
                          QStringLiteral("예제 매물을 기록할 수 없습니다."));
    for (int i = 0; i < count; ++i)
        insertListing(insert, generator.next());
    transaction.commit();
    return count;
}
