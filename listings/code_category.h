#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// The three vocabularies kept in BUCODE.DB, told apart by the category letter
// in its `gubun` field.
enum class CodeCategory { Lease, Sale, Consultation };

// "I" (lease kinds), "M" (sale kinds) or "W" (consultation stages).
QString categoryLetter(CodeCategory category);

// One place where the codes of a category are copied: rows of `table` whose
// `field` holds the code text. When `kinds` is not empty, only rows whose
// deal kind `im` is one of them carry a code of this category; a row of the
// other deal kind may hold the same text for a code of the other category.
struct CodeUse {
    QString table;
    QString field;
    QStringList kinds;
    QString selectField;  // the field the in-use statement reads
};

// Where the category's codes are used, listings before requests.
// Lease kinds: `cname` of listings and requests dealt as "임대".
// Sale kinds: `cname` of listings dealt as "매매" and of requests dealt as
// "매매" or "매수" (a request to buy a property on sale is stored as "매수").
// Consultation stages: `working` of requests.
std::vector<CodeUse> codeUses(CodeCategory category);
