#pragma once

#include <QString>

#include <functional>

class SheetPaper;
class SheetRows;

// The parts of the sheet that the sale and the lease contract share.

// Places the entry field `name` at x on the row whose top is y.
using PlaceField = std::function<void(const char* name, int x, int y, int width)>;

// The address with building and unit numbers, the land row and the building
// row of "1. 부동산의 표시" (the table's frame is drawn by the caller).
void placePropertyRows(SheetRows& rows, const PlaceField& field, const QString& land,
                       const QString& building);
// A payment line: the label, "금", the amount field and the wording after it,
// with a day field in its blank when `day` is given.
struct PaymentLine {
    QString label;
    const char* amount;
    QString wording;
    const char* day = nullptr;
    QString afterDay = {};
    int dayX = 520;
    int dayWidth = 90;
};
void placePayment(SheetRows& rows, const PlaceField& field, const PaymentLine& line);
// "※ 특약사항" with its four lines.
void placeRemarks(SheetRows& rows, const PlaceField& field, const char* const (&remarks)[4]);
// "3. 계약당사자 및 중개업자의 인적사항": the two parties and the broker.
void placeParties(SheetPaper* sheet, SheetRows& rows, const PlaceField& field, const QString& first,
                  const QString& second, const QString& permitLabel);
// A ruled table around the rows from `top` to the current row, with the line
// after its label column.
void frameTable(SheetPaper* sheet, const SheetRows& rows, int top);
