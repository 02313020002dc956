#include "accounts/cash_book_search.h"

#include "data/query.h"

namespace {

// Widths in characters: an entry's amount has at most 13 characters
// ("2,147,483,647"), its tax 11; the sums one more each. The partner's
// number and name are as wide as their titles and fields.
constexpr int kAmountWidth = 13;
constexpr int kTaxWidth = 11;
constexpr int kSumWidth = 14;
constexpr int kTaxSumWidth = 12;
constexpr int kNumberWidth = 15;
constexpr int kRemarkWidth = 18;
const QString kAmountMask = QStringLiteral("###,###");

FieldDef textField(const char* name, const char* label, int width, bool visible = true) {
    FieldDef field;
    field.name = QLatin1String(name);
    field.type = FieldType::Text;
    field.displayLabel = QString::fromUtf8(label);
    field.displayWidth = width;
    field.visible = visible;
    return field;
}

FieldDef amountField(const char* name, const char* label, int width) {
    FieldDef field;
    field.name = QLatin1String(name);
    field.type = FieldType::Integer;
    field.displayLabel = QString::fromUtf8(label);
    field.displayWidth = width;
    field.displayFormat = kAmountMask;
    return field;
}

std::vector<FieldDef> sumFields() {
    return {amountField("money_s", "총 매입액", kSumWidth),
            amountField("vat_s", "총 세액", kTaxSumWidth),
            amountField("money1_s", "총 매출액", kSumWidth),
            amountField("vat1_s", "총 세액", kTaxSumWidth)};
}

QString sumColumns() {
    return QStringLiteral(
        "sum(c.\"money\") money_s,sum(c.\"vat\") vat_s,sum(c.\"money1\") money1_s,"
        "sum(c.\"vat1\") vat1_s ");
}

// One line per condition: the first joined by " where ", the others by
// "and ". Typed values are parameters.
void addConditions(Query& query, const CashBookFilter& filter) {
    QString connector = QStringLiteral(" where ");
    const auto add = [&](const QString& condition) {
        query.add(connector + condition);
        connector = QStringLiteral("and ");
    };
    if (!filter.partner.isEmpty() && filter.partner != allPartners()) {
        add(QStringLiteral("C.\"comname\" = :partner "));
        query.setParam(QStringLiteral("partner"), filter.partner);
    }
    if (!filter.day1.isEmpty()) {
        add(QStringLiteral("C.\"day1\" >= :day1 "));
        query.setParam(QStringLiteral("day1"), filter.day1);
    }
    if (!filter.day2.isEmpty()) {
        add(QStringLiteral("C.\"day1\" <= :day2 "));
        query.setParam(QStringLiteral("day2"), filter.day2);
    }
    if (filter.kind == CashKind::Purchases) add(QStringLiteral("C.\"money\" > 0 "));
    if (filter.kind == CashKind::Sales) add(QStringLiteral("C.\"money1\" > 0 "));
}

}  // namespace

QString allPartners() {
    return QStringLiteral("전체");
}

std::vector<FieldDef> cashBookFields(CashList list) {
    std::vector<FieldDef> fields;
    switch (list) {
        case CashList::Detail:
            return {textField("Scancode", "Scancode", 17, false),
                    textField("Comno", "사업자 등록번호", kNumberWidth),
                    textField("Comname", "거래처명", 20),
                    textField("Day1", "일자", 10),
                    amountField("Money", "매입액", kAmountWidth),
                    amountField("Vat", "세액", kTaxWidth),
                    amountField("Money1", "매출액", kAmountWidth),
                    amountField("Vat1", "세액", kTaxWidth),
                    textField("Remark", "적요", kRemarkWidth),
                    textField("Yearmonth", "Yearmonth", 7, false)};
        case CashList::ByPartner:
            fields = {textField("comname", "거래처명", 20),
                      textField("comno", "사업자 등록번호", kNumberWidth)};
            break;
        case CashList::ByDay:
            fields = {textField("day1", "일자", 10)};
            break;
        case CashList::ByMonth:
            fields = {textField("yearmonth", "년-월", 7)};
            break;
    }
    for (FieldDef& sum : sumFields())
        fields.push_back(std::move(sum));
    return fields;
}

void applyCashBookList(Query& query, const CashBookFilter& filter, CashList list) {
    query.clear();
    query.clearParams();
    const QString from = QStringLiteral("from \"maipmach.db\" c ");
    switch (list) {
        case CashList::Detail:
            query.add(QStringLiteral("select * from \"maipmach.db\" c "));
            addConditions(query, filter);
            query.add(QStringLiteral("order by c.\"day1\",c.\"comname\""));
            break;
        case CashList::ByPartner:
            query.add(QStringLiteral("select c.\"comname\",c.\"comno\",") + sumColumns());
            query.add(from);
            addConditions(query, filter);
            query.add(QStringLiteral("group by c.\"comname\",c.\"comno\" order by c.\"comname\""));
            break;
        case CashList::ByDay:
            query.add(QStringLiteral("select c.\"day1\",") + sumColumns());
            query.add(from);
            addConditions(query, filter);
            query.add(QStringLiteral("group by c.\"day1\" order by c.\"day1\""));
            break;
        case CashList::ByMonth:
            query.add(QStringLiteral("select c.\"yearmonth\",") + sumColumns());
            query.add(from);
            addConditions(query, filter);
            query.add(QStringLiteral("group by c.\"yearmonth\" order by c.\"yearmonth\""));
            break;
    }
    query.setPersistentFields(cashBookFields(list));
}

CashTotals cashBookTotals(const CashBookFilter& filter, Database* database) {
    Query sums(database);
    sums.add(QStringLiteral("select ") + sumColumns());
    sums.add(QStringLiteral("from \"maipmach.db\" c "));
    addConditions(sums, filter);
    sums.open();
    const auto value = [&](const char* field) { return sums.integer(QLatin1String(field)); };
    CashTotals totals;
    totals.purchases = value("money_s") + value("vat_s");
    totals.sales = value("money1_s") + value("vat1_s");
    sums.close();
    return totals;
}

QString cashBookCaption(CashKind kind, CashList list) {
    QString caption = QStringLiteral("금전 출납 [");
    switch (kind) {
        case CashKind::Purchases:
            caption += QStringLiteral("매입: ");
            break;
        case CashKind::All:
            caption += QStringLiteral("매입/매출: ");
            break;
        case CashKind::Sales:
            caption += QStringLiteral("매출: ");
            break;
    }
    switch (list) {
        case CashList::Detail:
            caption += QStringLiteral("상세내역]");
            break;
        case CashList::ByPartner:
            caption += QStringLiteral("거래처별 합계]");
            break;
        case CashList::ByDay:
            caption += QStringLiteral("일자별 합계]");
            break;
        case CashList::ByMonth:
            caption += QStringLiteral("월별 합계]");
            break;
    }
    return caption;
}

int cashListLeftMm(CashList list) {
    switch (list) {
        case CashList::Detail:
            return 15;
        case CashList::ByDay:
            return 70;
        case CashList::ByPartner:
            return 50;
        case CashList::ByMonth:
            return 75;
    }
    return 15;
}
