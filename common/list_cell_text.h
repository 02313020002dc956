#pragma once

#include "data/field_def.h"

#include <QString>
#include <QVariant>

// Texts of the cells of a printed list.

// The text of a numeric value: whole numbers as they are; floating-point
// numbers with at most 15 significant digits and never in exponent form
// (0.1 + 0.2 gives "0.3", 1e-5 gives "0.00001"). Null gives empty.
QString numericValueText(const QVariant& value);

// A numeric cell: the whole part grouped by thousands and padded on the left
// with blanks to `displayWidth` characters (at most 20 blanks), then "." and
// the fraction when there is one. A value of zero (or none) leaves the cell
// empty. The whole part is written exactly, so amounts of any size print as
// stored; a value between -1 and 0 keeps its minus sign ("-0.5").
QString numericCellText(const QVariant& value, int displayWidth);

// The cell of a field: numeric fields as above, every other field's text as
// it is.
QString listCellText(const FieldDef& field, const QVariant& value);
