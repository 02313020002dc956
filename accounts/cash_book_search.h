#pragma once

#include "data/field_def.h"

#include <QString>
#include <QtGlobal>

#include <vector>

class Database;
class Query;

// The lists of the cash book "금전 출납": the entries of MAIPMACH.DB that
// pass the filter, one by one or summed by partner, day or month, and the
// totals of purchases and sales below the list.

// Which entries: purchases ("매입", Money > 0), sales ("매출", Money1 > 0)
// or both ("전체").
enum class CashKind { Purchases, Sales, All };

// How they are listed: "상세 내역", "일자별합계", "거래처별합계", "월별합계".
enum class CashList { Detail, ByDay, ByPartner, ByMonth };

struct CashBookFilter {
    QString partner;  // a partner's name; empty or "전체" is every partner
    QString day1;     // "YYYY-MM-DD" or empty: no lower bound
    QString day2;     // "YYYY-MM-DD" or empty: no upper bound
    CashKind kind = CashKind::All;
};

// The word of the partner drop-down that means every partner.
QString allPartners();

// Puts the statement of the list into the query, with the filter's values
// bound as parameters, and the list's fields (titles, widths, "###,###"
// amounts). The query is closed.
void applyCashBookList(Query& query, const CashBookFilter& filter, CashList list);

// The fields of each list, as the grid and the printed list show them.
std::vector<FieldDef> cashBookFields(CashList list);

// Purchases and sales including their tax, summed over every entry that
// passes the filter. 64-bit: an office passes 2,147,483,647 won in a year.
struct CashTotals {
    qint64 purchases = 0;
    qint64 sales = 0;
    qint64 difference() const { return sales - purchases; }
};
CashTotals cashBookTotals(const CashBookFilter& filter, Database* database = nullptr);

// "금전 출납 [매입/매출: 상세내역]" and the like.
QString cashBookCaption(CashKind kind, CashList list);

// The left margin in millimetres of the printed list of each kind.
int cashListLeftMm(CashList list);
