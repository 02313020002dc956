#pragma once

#include "data/field_def.h"

#include <QStringList>

#include <vector>

// The columns of the listing list: the select list of the listing search and
// the persistent fields of its grid, with their titles, default visibility
// and widths. The client list's matching search selects the same columns.

// The section of the listing list in GridSet.ini.
inline const QString kListingGridSection = QStringLiteral("BU_LST");

// Number of persistent fields of the listing grid; also the length of the
// `Visible` key of the grid settings.
inline constexpr int kListingGridFieldCount = 32;

// The persistent fields of the listing grid, in grid order: names as the
// query gives them, titles, types and sizes of BUDONG.DB, default visibility
// and display widths; integers are shown with "###,###" (zero shows blank).
std::vector<FieldDef> listingGridFields();

// The fields of the listing list's query: the grid's fields and, last, the
// lease end `Expireday` "계약만료", which the list shows while its search
// reads that date and which the column settings leave alone.
std::vector<FieldDef> listingListFields();

// The columns that the listing search selects, in select order (34 names:
// the grid's fields, gdsecond and expireday).
const QStringList& listingQueryColumns();

// The first lines of the listing search: "select ", then one line per
// column written as S."<field>" followed by a comma, the last one ending in
// from "BUDONG.DB" S.
QStringList listingSelectLines();

// The fields that "다보기" shows and hides together.
const QStringList& listingDetailFields();

// Display widths of Cname and Addr in the grid and while a list is printed.
inline constexpr int kCnameGridWidth = 8;
inline constexpr int kAddrGridWidth = 15;
inline constexpr int kCnamePrintWidth = 18;
inline constexpr int kAddrPrintWidth = 42;
