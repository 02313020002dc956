#include "bench/cash_book_generator.h"

#include "bench/listing_generator.h"
#include "bench/prepared_insert.h"
#include "common/clock.h"
#include "data/database.h"
#include "data/query.h"
#include "data/transaction.h"

#include <QStringList>

namespace {

const QStringList kNameHeads = {
    QStringLiteral("한빛"), QStringLiteral("대성"), QStringLiteral("삼원"), QStringLiteral("동방"),
    QStringLiteral("미래"), QStringLiteral("우리"), QStringLiteral("태양"), QStringLiteral("청솔"),
    QStringLiteral("가온"), QStringLiteral("새한")};
const QStringList kNameTails = {QStringLiteral("상사"), QStringLiteral("물산"),
                                QStringLiteral("건설"), QStringLiteral("인테리어"),
                                QStringLiteral("광고")};
const QStringList kRemarks = {QStringLiteral("중개수수료"), QStringLiteral("광고비"),
                              QStringLiteral("사무용품"),   QStringLiteral("수리비"),
                              QStringLiteral("컨설팅"),     QStringLiteral("임대료")};

constexpr const char* kInsertPartner =
    "INSERT INTO upche (COMNO, COMNAME, NAME, TELNO, ADDR, UPTA, UPJONG) VALUES (?,?,?,?,?,?,?)";
constexpr const char* kInsertEntry =
    "INSERT INTO maipmach (Scancode, Comno, Comname, Day1, Money, Vat, Money1, Vat1, Remark, "
    "Yearmonth) VALUES (?,?,?,?,?,?,?,?,?,?)";
constexpr int kYears = 6;

struct Partner {
    QString comno;
    QString comname;
};

std::vector<Partner> generatedPartners() {
    std::vector<Partner> partners;
    for (int i = 0; i < kGeneratedPartners; ++i) {
        partners.push_back({QStringLiteral("1%1-81-%2").arg(10 + i).arg(10000 + 137 * i),
                            kNameHeads[i % kNameHeads.size()] + kNameTails[i / kNameHeads.size()]});
    }
    return partners;
}

bool partnersPresent(Database& database) {
    Query count(&database);
    count.add(QStringLiteral("select count(*) from \"upche.dbf\""));
    count.open();
    return count.value(0).toInt() > 0;
}

void addPartners(Database& database, const std::vector<Partner>& partners, SeededRandom& random) {
    PreparedInsert insert(database.handle(), kInsertPartner,
                          QStringLiteral("예제 거래처를 기록할 수 없습니다."));
    for (const Partner& p : partners) {
        insert.text(p.comno)
            .text(p.comname)
            .text(generatedPersonName(random))
            .text(QStringLiteral("02-%1-%2")
                      .arg(random.between(200, 999))
                      .arg(random.between(1000, 9999)))
            .text(QStringLiteral("서울시 강남구 역삼동 %1").arg(random.between(1, 999)))
            .text(QStringLiteral("서비스"))
            .text(QStringLiteral("부동산"));
        insert.run();
    }
}

// A year among the six, the later ones more often (weights 1 to 6).
int pickYear(SeededRandom& random, int lastYear) {
    int ticket = random.between(1, kYears * (kYears + 1) / 2);
    for (int weight = 1; weight <= kYears; ++weight) {
        if (ticket <= weight) return lastYear - kYears + weight;
        ticket -= weight;
    }
    return lastYear;
}

}  // namespace

int fillCashBook(Database& database, int count, std::uint64_t seed, QDate today) {
    if (count <= 0) return 0;
    SeededRandom random(seed);
    const std::vector<Partner> partners = generatedPartners();
    Transaction transaction(database);
    if (!partnersPresent(database)) addPartners(database, partners, random);
    PreparedInsert insert(database.handle(), kInsertEntry,
                          QStringLiteral("예제 금전출납 자료를 기록할 수 없습니다."));
    for (int i = 0; i < count; ++i) {
        const int year = pickYear(random, today.year());
        const QDate day =
            QDate(year, 1, 1).addDays(random.between(0, QDate(year, 1, 1).daysInYear() - 1));
        const Partner& partner = random.pick(partners);
        const qint64 amount = qint64(random.between(10, 50000)) * 1000;
        const bool sale = random.chance(40);
        const QString dayText = day.toString(QStringLiteral("yyyy-MM-dd"));
        const QDateTime moment = day.startOfDay(Qt::UTC).addMSecs(i % 86400000);
        insert.text(formatTimestampKey(moment))
            .text(partner.comno)
            .text(partner.comname)
            .text(dayText);
        if (sale) {
            insert.number(0).number(0).number(amount).number(amount / 10);
        } else {
            insert.number(amount).number(amount / 10).text(QString()).text(QString());
        }
        insert.text(random.pick(kRemarks)).text(dayText.left(7));
        insert.run();
    }
    transaction.commit();
    return count;
}
