#include "bench/request_generator.h"

#include "bench/listing_generator.h"
#include "bench/prepared_insert.h"
#include "common/clock.h"
#include "data/database.h"
#include "data/transaction.h"

#include <QDateTime>
#include <QStringList>

#include <algorithm>

namespace {

const QStringList kDistricts = {QStringLiteral("서울시 강남구"),   QStringLiteral("서울시 서초구"),
                                QStringLiteral("서울시 송파구"),   QStringLiteral("서울시 마포구"),
                                QStringLiteral("부산시 해운대구"), QStringLiteral("대구시 수성구"),
                                QStringLiteral("인천시 연수구"),   QStringLiteral("성남시 분당구")};
const QStringList kWishes = {QStringLiteral("역세권"), QStringLiteral("남향, 고층"),
                             QStringLiteral("주차 2대"), QStringLiteral("학군 우수"),
                             QStringLiteral("대로변 1층")};
const QStringList kMemos = {QStringLiteral("주말 연락 가능"), QStringLiteral("급히 구함"),
                            QStringLiteral("소개 손님"), QStringLiteral("재문의 예정")};

constexpr const char* kInsertRequest =
    "INSERT INTO burequ (scancode, name, im, cname, wantcom, htel, hphone, yesan, dpungl, dpungu, "
    "gpungl, gpungu, inday, addr, working, memo1) VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)";

struct Kinds {
    QStringList lease;
    QStringList sale;
    QStringList stages;
};

class RequestWriter {
public:
    RequestWriter(std::uint64_t seed, Kinds kinds, QDate today, int count)
        : random_(seed),
          kinds_(std::move(kinds)),
          moment_(today.addYears(-3).startOfDay(Qt::UTC)),
          stepSeconds_(std::clamp(3 * 365 * 86400 / std::max(1, count), 2, 30 * 86400)) {}

    void write(PreparedInsert& insert) {
        moment_ = moment_.addSecs(random_.between(1, 2 * stepSeconds_ - 1))
                      .addMSecs(random_.between(0, 999));
        const int deal = random_.between(1, 100);
        const QString im = deal <= 60   ? QStringLiteral("임대")
                           : deal <= 95 ? QStringLiteral("매매")
                                        : QStringLiteral("매수");
        const bool lease = deal <= 60;
        const QStringList& kinds = lease ? kinds_.lease : kinds_.sale;
        const qint64 budget =
            lease ? qint64(random_.between(1, 80)) * 1000 : qint64(random_.between(5, 250)) * 10000;
        const int land = random_.between(0, 60);
        const int building = random_.between(8, 60);
        insert.text(formatTimestampKey(moment_))
            .text(generatedPersonName(random_))
            .text(im)
            .text(kinds.isEmpty() ? QString() : random_.pick(kinds))
            .text(random_.pick(kWishes))
            .text(random_.chance(30) ? QStringLiteral("02-%1-%2")
                                           .arg(random_.between(200, 999))
                                           .arg(random_.between(0, 9999), 4, 10, QLatin1Char('0'))
                                     : QString())
            .text(generatedMobile(random_))
            .number(budget)
            .number(land)
            .number(land + random_.between(0, 20))
            .number(building)
            .number(building + random_.between(0, 20))
            .text(moment_.date().toString(QStringLiteral("yyyy-MM-dd")))
            .text(random_.pick(kDistricts))
            .text(kinds_.stages.isEmpty() ? QString() : random_.pick(kinds_.stages))
            .text(random_.chance(30) ? random_.pick(kMemos) : QString());
        insert.run();
    }

private:
    SeededRandom random_;
    Kinds kinds_;
    QDateTime moment_;
    int stepSeconds_;
};

}  // namespace

int fillRequests(Database& database, int count, std::uint64_t seed, QDate today) {
    Kinds kinds{storedCodes(database, QStringLiteral("I")),
                storedCodes(database, QStringLiteral("M")),
                storedCodes(database, QStringLiteral("W"))};
    RequestWriter writer(seed, std::move(kinds), today, count);
    Transaction transaction(database);
    PreparedInsert insert(database.handle(), kInsertRequest,
                          QStringLiteral("예제 의뢰를 기록할 수 없습니다."));
    for (int i = 0; i < count; ++i)
        writer.write(insert);
    transaction.commit();
    return count;
}
