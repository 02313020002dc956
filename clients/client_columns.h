#pragma once

#include "data/field_def.h"

#include <QStringList>

#include <vector>

// The columns of the grids of the client forms: the persistent fields with
// their titles (leading blanks kept), sizes, default visibility and display
// widths; integers are shown with "###,###" (zero shows blank).

// The client query `QRburequ`: 14 fields, the hidden key first.
std::vector<FieldDef> clientGridFields();
inline constexpr int kClientGridFieldCount = 14;

// The matched-listing query `QRbudong`: the 27 listing fields that its list
// prints, then the last day the listing was offered to the client
// (`Offerday` "제시일").
std::vector<FieldDef> matchedGridFields();
inline constexpr int kMatchedPrintFieldCount = 27;

// The nine fields of the matched grid that "다보기" shows and hides together.
const QStringList& matchedDetailFields();

// The offered history of a client: day, note and the listing's columns.
std::vector<FieldDef> offeredHistoryFields();

// Display widths of the grids and while their lists are printed.
inline constexpr int kClientAddrGridWidth = 10;
inline constexpr int kClientAddrPrintWidth = 20;
inline constexpr int kMatchedCnameGridWidth = 6;
inline constexpr int kMatchedCnamePrintWidth = 18;
inline constexpr int kMatchedAddrGridWidth = 30;
inline constexpr int kMatchedAddrPrintWidth = 42;
