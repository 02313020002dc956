#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Text is kept in code page 949 (Korean Windows, Unified Hangul Code), and
// field lengths are counted in its bytes. The conversions use glibc iconv
// ("CP949"), which keeps the Hanja compatibility code points (U+F900 block)
// apart from their ordinary forms. These routines need no window system.

// The number of CP949 bytes of the text. A character that CP949 cannot
// encode counts 2 bytes.
int cp949ByteLength(const QString& text);

// The text in CP949; a character that CP949 cannot encode becomes "?".
QByteArray toCp949(const QString& text);

// CP949 bytes as text. A byte that does not begin a CP949 character (a lead
// byte whose pair is not a character, a lead byte at the end, 0x80, 0xFF)
// becomes one U+FFFD, and reading goes on with the byte after it, so that
// the byte following a faulty lead byte is read in its own right.
QString fromCp949(const QByteArray& bytes);

// The same reading for text that must be wholly CP949: nothing when any
// byte would become U+FFFD.
std::optional<QString> fromCp949Strictly(const QByteArray& bytes);

// The longest beginning of the text that fits into maxBytes CP949 bytes,
// never splitting a character or a surrogate pair.
QString truncateToCp949Bytes(const QString& text, int maxBytes);
