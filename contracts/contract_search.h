#pragma once

#include <QString>

#include <vector>

class Query;

// The contract search: stored lease or sale contracts by address, party
// names and signing dates.

struct ContractSearchInput {
    bool lease = true;  // cont_1; else the sale contracts of cont_2
    QString sojaji;     // contained in the address
    QString name1;      // contained in the first party's name
    QString name2;      // contained in the second party's name
    QString day1;       // signing dates from (YYYY-MM-DD), empty for no limit
    QString day2;       // and up to
};

// One contract found: its key and the four columns the search lists (never
// a resident registration number).
struct FoundContract {
    qint64 key = 0;
    QString signday;
    QString name1;
    QString name2;
    QString sojaji;
};

// Puts the statement of the search into the query, line by line: the typed
// texts are parameters, contained-text matches.
void buildContractSearch(Query& query, const ContractSearchInput& input);

// Runs the search on the query. Signing dates are compared in their
// normalised form, so a contract dated "2004.3.5" is found from
// "2004-03-01" on; a contract whose date cannot be read is found only when
// no date limits the search. The newest contract by signing date comes
// first (then the later key); those without a readable date last.
std::vector<FoundContract> searchContracts(Query& query, const ContractSearchInput& input);

// A stored signing date in its normalised form "YYYY-MM-DD"; empty when it
// does not read as a date. The stored text is never changed.
QString normalisedSignDay(const QString& stored);
