#pragma once

#include "data/field_def.h"

#include <QString>
#include <QtGlobal>

#include <array>
#include <vector>

class Database;
class Query;

// The yearly settlement: one year of the cash book summed by partner and
// month into the work table YEAR_TOT.DB, one row per partner (its twelve
// months including tax and their total) and the totals row "▶ 합 계" last.

enum class SettlementKind { Purchases, Sales };

struct Settlement {
    int partners = 0;                 // rows before the totals row
    std::array<qint64, 12> months{};  // the month totals, January first
    qint64 grandTotal = 0;            // the sum of the month totals
    bool empty() const { return partners == 0; }
};

// The name of the totals row.
QString settlementTotalsName();

// Rebuilds the work table for the year `year` ("2026"): emptied and filled
// in one transaction, so that nothing half built is ever seen. An entry
// counts in the month of its Yearmonth, with its tax; entries without a
// month are left out. A year with no entries (or a text that is no year)
// leaves the table empty. Rows carry their order in Seq: the partners by
// name, then the totals row.
Settlement rebuildSettlement(const QString& year, SettlementKind kind,
                             Database* database = nullptr);

// Puts the statement that shows the work table in its order into the query,
// with the grid's and the printed list's fields: "거래처", "1 월" … "12 월"
// (13 characters each) and "합 계" (15), the amounts "###,###".
void applySettlementView(Query& query);
std::vector<FieldDef> settlementFields();

// Whether the text is a year the settlement can be asked for: four digits.
bool isSettlementYear(const QString& year);
