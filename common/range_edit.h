#pragma once

#include <QLineEdit>

// A search field for a range of whole numbers, "from-to": two groups of up
// to `digits` digits with a "-" between them, either group may stay empty
// (the input mask "999999-999999" for six digits). Typing is made easy:
// - a click past what was typed puts the cursor at the first free position
//   after the digits before it, as a click past the text of a plain field
//   puts it after the text (a click on a typed digit stays there, to correct
//   it); never past the last position where a digit can go;
// - entering the field by the keyboard puts it at the first free position;
// - a space or "-" in the first half moves on to the second half;
// - full-width digits (typed in full-width mode) are taken as digits.
class RangeEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit RangeEdit(int digits, QWidget* parent = nullptr);

    int digits() const { return digits_; }

    // The text as it stands, with a blank for every free position:
    // "    10-   250" for 10 to 250 in a field of six digits.
    QString maskedText() const;

protected:
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    // The first position of a half (0 or 1) and the position after it.
    int halfStart(int half) const { return half == 0 ? 0 : digits_ + 1; }
    int halfEnd(int half) const { return halfStart(half) + digits_; }
    int halfOf(int position) const { return position > digits_ ? 1 : 0; }
    // The first position of a half that holds no digit; -1 when it is full.
    int firstFree(int half) const;
    // Moves to the second half; true when the text asked for it.
    bool movesOn(const QString& typed);

    int digits_;
};
