#pragma once

#include "data/field_def.h"

#include <QString>

#include <vector>

class Query;

// The search of the postal-code look-up: every row of addr.dbf, or, for a
// typed text, the rows whose address contains it. The typed text is bound
// as a parameter, so quotes and % match themselves.
void preparePostalSearch(Query& query, const QString& typed);

// The grid fields of the look-up: ZIP "우편번호", ADDR "주소", DDD "DDD".
std::vector<FieldDef> postalGridFields();

// What a key pressed in the look-up's grid does. Enter chooses the current
// row; any other key that types something, and Escape, closes the form
// without a choice. Keys that move within the grid (arrows, pages, Home,
// End, Tab) and keys alone such as Shift keep the form open, so the user can
// reach the row to choose.
enum class PostalGridKey { Move, Choose, Close };
PostalGridKey postalGridKey(int key, const QString& text);
