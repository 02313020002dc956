#pragma once

#include <QString>

class QComboBox;
class QLineEdit;

// Checks of typed input and the look-up of a stored value in a drop-down list.

// True when every character is a digit, "-" or "." (an empty text too);
// otherwise beeps and returns false.
bool isNumberText(const QString& text);

// True when the text reads as a 32-bit whole number: optional leading
// blanks, an optional sign, then digits only. Otherwise puts the focus into
// the field and returns false, without a message. An empty field is false.
bool checkWholeNumber(QLineEdit* field);

// The same reading without a field.
bool isWholeNumberText(const QString& text);

// The text with the full-width digits, signs, comma and point that Korean
// input methods type in full-width mode ("１２３") turned into their ASCII
// forms ("123"); every other character is left as it is.
QString halfWidthNumberText(const QString& text);

// The warning for a decimal point typed into a field of whole numbers:
// "대지평수 항목에는 소수점 없이 정수로 입력하세요 ...!".
QString decimalPointMessage(const QString& label);

// The warning for a whole number beyond 32 bits:
// "보증금 항목에는 2,147,483,647 까지 입력할 수 있습니다 ...!".
QString wholeNumberTooLargeMessage(const QString& label);

// Leaving a field of whole numbers (an amount, an area, a floor): full-width
// digits become ASCII digits in the field. A decimal point or a number too
// large for 32 bits is refused with its warning (decimalPointMessage,
// wholeNumberTooLargeMessage); the text stays as typed and the focus in the
// field. Any other text that is not a whole number (checkWholeNumber)
// becomes "0" and the focus returns to the field. True when the field holds
// a whole number.
bool leaveWholeNumberField(QLineEdit* field, const QString& label);

// Selects the first item, from index 1 on, whose text equals `text` and
// returns its index. When none matches, no item is selected (index -1) and
// the result is 0; item 0 is never compared, and callers use the 0 to select
// it.
int comboSearch(QComboBox* box, const QString& text);
