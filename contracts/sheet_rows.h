#pragma once

#include <QString>

class ContractForm;
class SheetPaper;

// Places the wording and fields of a document's sheet row by row: a row is
// SheetPaper::kRowHeight high, and the next row starts below it.
class SheetRows {
public:
    SheetRows(SheetPaper* paper, int top) : paper_(paper), y_(top) {}

    int y() const { return y_; }
    void skip(int pixels) { y_ += pixels; }
    void next() { y_ += kPitch; }

    // Wording at x on the current row; gives where the wording ends.
    int text(const QString& wording, int x, int width = 0);
    // A heading of a part of the document.
    void heading(const QString& wording);
    // One line of wording on a row of its own.
    void line(const QString& wording, int x = 24);

    static constexpr int kPitch = 24;

private:
    SheetPaper* paper_;
    int y_;
};
