#pragma once

#include <QByteArray>
#include <QString>
#include <QValidator>

class QLineEdit;

// Text is kept in code page 949 (Korean Windows, Unified Hangul Code), and
// field lengths are counted in its bytes. The conversions use glibc iconv
// ("CP949"), which keeps the Hanja compatibility code points (U+F900 block)
// apart from their ordinary forms.

// The number of CP949 bytes of the text. A character that CP949 cannot
// encode counts 2 bytes.
int cp949ByteLength(const QString& text);

// The text in CP949; a character that CP949 cannot encode becomes "?".
QByteArray toCp949(const QString& text);

// CP949 bytes as text; a byte sequence that is not CP949 becomes U+FFFD.
QString fromCp949(const QByteArray& bytes);

// The longest beginning of the text that fits into maxBytes CP949 bytes,
// never splitting a character or a surrogate pair.
QString truncateToCp949Bytes(const QString& text, int maxBytes);

// Refuses any edit after which the text would be longer than maxBytes CP949
// bytes, so an entry field stops at its byte limit and never holds half a
// character. Hangul composed through an input method is committed whole, so
// a syllable that does not fit is refused as a whole.
class Cp949LengthValidator : public QValidator {
    Q_OBJECT
  public:
    explicit Cp949LengthValidator(int maxBytes, QObject* parent = nullptr);

    int maxBytes() const { return maxBytes_; }
    void setMaxBytes(int maxBytes);

    State validate(QString& input, int& pos) const override;

  private:
    int maxBytes_;
};

// Limits the entry field to maxBytes CP949 bytes. The validator belongs to
// the field; calling this again changes the limit.
void limitCp949(QLineEdit* edit, int maxBytes);
