#pragma once

#include "common/cp949_text.h"

#include <QValidator>

class QLineEdit;

// Entry fields whose length is counted in CP949 bytes.

// Keeps an entry field within maxBytes CP949 bytes, never holding half a
// character. What the user adds beyond the limit (a typed key, a syllable
// committed by an input method, a paste or a drop) is cut to the whole
// characters that fit, with a beep; a key or a syllable that does not fit
// is refused. A text the program sets is shown whole even when it is too
// long, so that saving it can refuse it with a message.
class Cp949LengthValidator : public QValidator {
    Q_OBJECT
public:
    explicit Cp949LengthValidator(int maxBytes, QObject* parent = nullptr);

    int maxBytes() const { return maxBytes_; }
    void setMaxBytes(int maxBytes);

    State validate(QString& input, int& pos) const override;

private:
    bool isUserEdit() const;
    // Cuts the user's insertion to the whole characters that fit, with a beep.
    State keepWhatFits(QString& input, int& pos) const;

    int maxBytes_;
    // The field's text as last validated: what an edit started from.
    mutable QString lastText_;
};

// Limits the entry field to maxBytes CP949 bytes. The validator belongs to
// the field; calling this again changes the limit.
void limitCp949(QLineEdit* edit, int maxBytes);
