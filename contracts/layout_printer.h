#pragma once

#include <QString>
#include <QStringList>

#include <vector>

class DocumentRow;
class PrintDevice;

// The printed documents are drawn from layout tables (TB_CARDm for the sale
// contract, TB_CARDI for the lease contract, jungGa for the explanation
// sheet): one row per item, drawn in table order at whole millimetres from
// the top-left corner of the printable area.
struct LayoutItem {
    QString itemType;  // "T" text, "L" line, "R" rectangle, "F" field value
    int itemSize = 0;  // T, F: text height in mm; L, R: pen width in dots
    int XYloop = 0;    // extra repetitions
    int Xincrement = 0;
    int Yincrement = 0;
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    QString itemText;    // T: the text; F: the field's name
    QString digitcomma;  // F: "Y" prints a number grouped and right-aligned
};

// The rows of a layout table in table order. A store error goes to the caller.
std::vector<LayoutItem> readLayout(const QString& layoutTable);

// The text an F item prints for a field's value. With `digitcomma` "Y" a
// number is rounded, grouped by thousands and right-aligned to 11
// characters, a fraction after the first "." kept as it is
// ("123456.5" prints "    123,456.5"); an empty value prints nothing and a
// value that is not a number prints as stored. The stored won mark prints
// as "₩".
QString layoutFieldText(const QString& value, const QString& digitcomma);

// The memo of an explanation sheet, printed after the items: one line every
// `lineMm` from (`leftMm`, `topMm`) with the font fitted to `lineMm`,
// wrapped at `widthMm` with the printer's own font. Its box on the sheet
// ends at `bottomMm`; lines below it are still printed as far as the paper
// goes, after the user was told.
struct LayoutMemo {
    QString text;
    int leftMm = 132;
    int topMm = 148;
    int lineMm = 4;
    int widthMm = 62;
    int bottomMm = 284;
};

// One print run of a document.
struct LayoutRun {
    QString layoutTable;
    QString jobTitle;        // shown by the print spooler
    int fieldShiftDots = 0;  // F items drawn this many dots further right
    const LayoutMemo* memo = nullptr;
};

// The memo's text as the printer prints it: its own lines, each wrapped at
// the width (at a blank where one is near, else between characters) with
// the device's current font.
QStringList wrapMemoLines(const PrintDevice& device, const QString& text, int widthDots);

// "프린트를 완료하였습니다...?"
QString layoutPrintedMessage();

// Prints the document on one portrait page. When memo lines would run past
// the memo's box or the foot of the page, the user is asked first; a No
// prints nothing and gives false. After the page was printed the user is told so (not in a
// preview). Whatever happens, the device's font is restored and the page is
// portrait again; a failure while drawing aborts the job and goes to the
// caller, with no word of success.
bool printLayout(PrintDevice& device, const LayoutRun& run, const DocumentRow& row);
