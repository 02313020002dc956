#include "contracts/contract_search.h"

#include "common/dates.h"
#include "data/query.h"
#include "data/sql_dialect.h"

#include <algorithm>

namespace {
struct Condition {
    const QString& typed;
    const char* column;
};
}  // namespace

void buildContractSearch(Query& query, const ContractSearchInput& input) {
    query.close();
    query.clear();
    query.clearParams();
    query.add(QStringLiteral(
        "select C.\"contno\",C.\"signday\",C.\"name1\",C.\"name2\",C.\"sojaji\" from "));
    query.add(input.lease ? QStringLiteral("\"CONT_1.DB\" C") : QStringLiteral("\"CONT_2.DB\" C"));
    QString joining = QStringLiteral(" where ");
    int parameter = 0;
    for (const Condition& condition :
         {Condition{input.sojaji, "sojaji"}, Condition{input.name1, "name1"},
          Condition{input.name2, "name2"}}) {
        if (condition.typed.isEmpty()) continue;
        const QString name = QStringLiteral("p%1").arg(++parameter);
        query.add(joining +
                  QStringLiteral("C.\"%1\" like :%2").arg(QLatin1String(condition.column), name));
        query.setParam(name, containsPattern(condition.typed));
        joining = QStringLiteral(" and ");
    }
}

QString normalisedSignDay(const QString& stored) {
    if (stored.trimmed().isEmpty()) return {};
    const std::optional<QDate> date = parseDate(stored);
    return date ? isoDate(*date) : QString();
}

std::vector<FoundContract> searchContracts(Query& query, const ContractSearchInput& input) {
    buildContractSearch(query, input);
    query.open();
    struct Row {
        FoundContract contract;
        QString date;
    };
    std::vector<Row> rows;
    const bool dated = !input.day1.isEmpty() || !input.day2.isEmpty();
    for (query.first(); !query.eof(); query.next()) {
        Row row{{query.integer(QStringLiteral("contno")), query.text(QStringLiteral("signday")),
                 query.text(QStringLiteral("name1")), query.text(QStringLiteral("name2")),
                 query.text(QStringLiteral("sojaji"))},
                {}};
        row.date = normalisedSignDay(row.contract.signday);
        if (dated && (row.date.isEmpty() || (!input.day1.isEmpty() && row.date < input.day1) ||
                      (!input.day2.isEmpty() && row.date > input.day2))) {
            continue;
        }
        rows.push_back(std::move(row));
    }
    // Every row is read: the grid holds no read of the store while it waits.
    query.close();
    std::stable_sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) {
        if (a.date != b.date) return a.date > b.date;
        return a.contract.key > b.contract.key;
    });
    std::vector<FoundContract> found;
    found.reserve(rows.size());
    for (Row& row : rows)
        found.push_back(std::move(row.contract));
    return found;
}
