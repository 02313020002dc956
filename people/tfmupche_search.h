#pragma once

#include "data/field_def.h"

#include <QString>

#include <vector>

class Query;

// The search of the partner list "거래처 관리".

struct PartnerSearch {
    QString comno;        // "거래처번호": part of the number
    QString comname;      // "거래처명": part of the name
    QString name;         // "대표자": part of the representative's name
    QString addr;         // "주소": part of the address
    bool byName = false;  // "업체명" order; otherwise "업체코드"
};

// Puts the search into the query: every filled field is a condition that
// the column contains the typed text (bound as a parameter, so that "%",
// "_" and quotes are just characters), joined by "and", and the order. The
// query gets the list's fields: the grid's eight and, hidden, the others
// (the address is printed with the list).
void applyPartnerSearch(Query& query, const PartnerSearch& search);

std::vector<FieldDef> partnerListFields();
