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

// Selects the first item, from index 1 on, whose text equals `text` and
// returns its index. When none matches, no item is selected (index -1) and
// the result is 0; item 0 is never compared, and callers use the 0 to select
// it.
int comboSearch(QComboBox* box, const QString& text);
