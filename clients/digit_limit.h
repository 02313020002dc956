#pragma once

#include <QValidator>

class QLineEdit;

// Keeps a number field within a count of digits, however the field shows
// them: the thousands commas written on leaving the field do not count, so
// that they never push a digit out ("12,345,678" stays whole in a field of
// eight digits). What the user adds beyond the limit (a key, a paste) is cut
// to the digits that fit, with a beep. A text the program sets is shown
// whole.
class DigitLimitValidator : public QValidator {
    Q_OBJECT
public:
    DigitLimitValidator(int digits, QObject* parent = nullptr);

    int digits() const { return digits_; }
    State validate(QString& input, int& pos) const override;

private:
    bool isUserEdit() const;

    int digits_;
    mutable QString lastText_;
};

// Limits the field to `digits` digits.
void limitDigits(QLineEdit* field, int digits);

// The number of digits of the text (full-width digits count).
int digitCount(const QString& text);
