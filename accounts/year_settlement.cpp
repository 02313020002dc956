#include "accounts/year_settlement.h"

#include "data/query.h"
#include "data/transaction.h"

#include <map>

namespace {

constexpr int kMonthWidth = 13;
constexpr int kTotalWidth = 15;

using MonthAmounts = std::array<std::optional<qint64>, 12>;

// One partner's months as the grouped statement gives them.
struct PartnerMonths {
    QString name;
    MonthAmounts months;
};

// The month 1..12 of a "YYYY-MM" text; 0 when it has none.
int monthOf(const QString& yearMonth) {
    bool number = false;
    const int month = yearMonth.mid(5, 2).toInt(&number);
    return number && month >= 1 && month <= 12 ? month : 0;
}

// The year's entries summed by partner name and month, in name order.
std::vector<PartnerMonths> monthlySums(const QString& year, SettlementKind kind,
                                       Database* database) {
    const bool sales = kind == SettlementKind::Sales;
    Query sums(database);
    sums.add(QStringLiteral("select T.\"comname\",T.\"YearMonth\","));
    sums.add(sales ? QStringLiteral("sum(T.\"money1\") money_t,sum(T.\"vat1\") vat_t ")
                   : QStringLiteral("sum(T.\"money\") money_t,sum(T.\"vat\") vat_t "));
    sums.add(QStringLiteral("from \"maipmach.DB\" T "));
    sums.add(QStringLiteral("where T.\"day1\" >= :d1 "));
    sums.add(QStringLiteral("and T.\"day1\" <= :d2 "));
    sums.add(QStringLiteral("group by T.\"comname\",T.\"YearMonth\" "));
    sums.add(QStringLiteral("order by T.\"comname\",T.\"YearMonth\""));
    sums.setParam(QStringLiteral("d1"), year + QStringLiteral("-01-01"));
    sums.setParam(QStringLiteral("d2"), year + QStringLiteral("-12-31"));
    sums.open();
    std::vector<PartnerMonths> partners;
    for (; !sums.eof(); sums.next()) {
        const int month = monthOf(sums.value(1).toString());
        if (month == 0) continue;
        const QString name = sums.value(0).toString();
        const QVariant money = sums.value(2);
        const QVariant vat = sums.value(3);
        if (partners.empty() || partners.back().name != name) partners.push_back({name, {}});
        std::optional<qint64>& cell = partners.back().months[size_t(month - 1)];
        // An entry with neither amount nor tax of this kind leaves the month empty.
        if (money.isNull() && vat.isNull()) continue;
        cell = cell.value_or(0) + money.toLongLong() + vat.toLongLong();
    }
    sums.close();
    return partners;
}

void insertRow(Query& insert, int seq, const QString& name, const MonthAmounts& months,
               qint64 total) {
    insert.setParam(QStringLiteral("seq"), seq);
    insert.setParam(QStringLiteral("name"), name);
    for (size_t m = 0; m < months.size(); ++m) {
        insert.setParam(
            QStringLiteral("m%1").arg(m + 1),
            months[m] ? QVariant(*months[m]) : QVariant(QMetaType(QMetaType::LongLong)));
    }
    insert.setParam(QStringLiteral("tot"), total);
    insert.exec();
}

FieldDef amountField(const QString& name, const QString& label, int width) {
    FieldDef field;
    field.name = name;
    field.type = FieldType::Integer;
    field.displayLabel = label;
    field.displayWidth = width;
    field.displayFormat = QStringLiteral("###,###");
    return field;
}

}  // namespace

QString settlementTotalsName() {
    return QStringLiteral("▶ 합 계");
}

bool isSettlementYear(const QString& year) {
    return year.size() == 4 &&
           std::all_of(year.begin(), year.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

Settlement rebuildSettlement(const QString& year, SettlementKind kind, Database* database) {
    Query insert(database);
    insert.add(QStringLiteral(
        "insert into \"YEAR_TOT.DB\" (comname, _1, _2, _3, _4, _5, _6, _7, _8, _9, _10, _11, "
        "_12, Tot, Seq)"));
    insert.add(QStringLiteral(
        "values (:name, :m1, :m2, :m3, :m4, :m5, :m6, :m7, :m8, :m9, :m10, :m11, :m12, :tot, "
        ":seq)"));
    Transaction transaction(insert.database());
    Query empty(database);
    empty.add(QStringLiteral("delete from \"YEAR_TOT.DB\""));
    empty.exec();

    Settlement settlement;
    if (isSettlementYear(year)) {
        const std::vector<PartnerMonths> partners = monthlySums(year, kind, database);
        for (const PartnerMonths& partner : partners) {
            qint64 total = 0;
            for (size_t m = 0; m < 12; ++m) {
                total += partner.months[m].value_or(0);
                settlement.months[m] += partner.months[m].value_or(0);
            }
            insertRow(insert, ++settlement.partners, partner.name, partner.months, total);
        }
    }
    if (!settlement.empty()) {
        MonthAmounts months;
        for (size_t m = 0; m < 12; ++m) {
            months[m] = settlement.months[m];
            settlement.grandTotal += settlement.months[m];
        }
        insertRow(insert, settlement.partners + 1, settlementTotalsName(), months,
                  settlement.grandTotal);
    }
    transaction.commit();
    return settlement;
}

std::vector<FieldDef> settlementFields() {
    FieldDef name;
    name.name = QStringLiteral("comname");
    name.type = FieldType::Text;
    name.displayLabel = QStringLiteral("거래처");
    name.displayWidth = 20;
    std::vector<FieldDef> fields{name};
    for (int m = 1; m <= 12; ++m) {
        fields.push_back(
            amountField(QStringLiteral("_%1").arg(m), QStringLiteral("%1 월").arg(m), kMonthWidth));
    }
    fields.push_back(amountField(QStringLiteral("Tot"), QStringLiteral("합 계"), kTotalWidth));
    return fields;
}

void applySettlementView(Query& query) {
    query.clear();
    query.clearParams();
    query.add(QStringLiteral("select T.\"comname\",T.\"_1\" ,T.\"_2\" ,T.\"_3\" ,T.\"_4\" ,"));
    query.add(QStringLiteral("T.\"_5\" ,T.\"_6\" ,T.\"_7\" ,T.\"_8\" ,"));
    query.add(QStringLiteral("T.\"_9\" ,T.\"_10\" ,T.\"_11\" ,T.\"_12\",T.\"Tot\" "));
    query.add(QStringLiteral("from \"YEAR_TOT.DB\" T order by T.\"Seq\""));
    query.setPersistentFields(settlementFields());
}
