#include "common/amount_words.h"

#include <QStringView>

#include <algorithm>
#include <array>

namespace {

constexpr int kMaxDigits = 16;

// Place 16 is the ones place, place 1 the 10^15 place. Group word k is
// written when the last k digits are all zero (or, for k = 4, 8 and 12, to
// close a group that ended in 천, 백 or 십).
struct NumeralTable {
    std::array<QStringView, 10> digits;  // index 0 unused
    std::array<QStringView, 17> places;  // index 0 unused
    std::array<QStringView, 17> groups;
    QStringView subUnits;
};

constexpr NumeralTable kKorean{
    {u"", u"일", u"이", u"삼", u"사", u"오", u"육", u"칠", u"팔", u"구"},
    {u"", u"천", u"백", u"십", u"조", u"천", u"백", u"십", u"억", u"천", u"백", u"십", u"만", u"천",
     u"백", u"십", u""},
    {u"", u"  ", u"  ", u"  ", u"만", u"만", u"만", u"  ", u"억", u"억", u"억", u"  ", u"조", u"조",
     u"조", u"  ", u"  "},
    u"천백십",
};

// 參 U+F96B, 拾 U+F973 and 六 U+F9D1 are the compatibility code points of
// CP949 (DF B3, E4 A9, EB BB); escaped so that no editor can normalise them.
constexpr NumeralTable kHanja{
    {u"", u"壹", u"貳", u"\uF96B", u"四", u"五", u"\uF9D1", u"七", u"八", u"九"},
    {u"", u"阡", u"百", u"\uF973", u"晁", u"阡", u"百", u"\uF973", u"億", u"阡", u"百", u"\uF973",
     u"萬", u"阡", u"百", u"\uF973", u""},
    {u"", u"  ", u"  ", u"  ", u"萬", u"萬", u"萬", u"  ", u"億", u"億", u"億", u"  ", u"晁", u"晁",
     u"晁", u"  ", u"  "},
    u"阡百\uF973",
};

bool isAsciiDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// The digits without leading zeros. `ok` is false when the text has another
// character or more than 16 significant digits.
QString significantDigits(const QString& text, bool& ok) {
    ok = std::all_of(text.cbegin(), text.cend(), isAsciiDigit);
    if (!ok)
        return {};
    qsizetype first = 0;
    while (first < text.size() && text.at(first) == QLatin1Char('0'))
        ++first;
    const QString digits = text.mid(first);
    ok = digits.size() <= kMaxDigits;
    return ok ? digits : QString();
}

bool allZeroFrom(const QString& digits, qsizetype index) {
    for (qsizetype i = index; i < digits.size(); ++i) {
        if (digits.at(i) != QLatin1Char('0'))
            return false;
    }
    return true;
}

// A one before 조, 억, 만 or in the ones place is written; before 천, 백 or
// 십 it is not.
bool writesOne(int place) {
    return place % 4 == 0;
}

bool isGroupPlace(qsizetype remaining) {
    return remaining == 4 || remaining == 8 || remaining == 12;
}

QString amountWords(const QString& text, const NumeralTable& table) {
    bool ok = false;
    const QString digits = significantDigits(text, ok);
    if (!ok || digits.isEmpty())
        return {};
    const qsizetype n = digits.size();
    if (n == 1)
        return table.digits.at(digits.at(0).digitValue()).toString();

    QString words;
    QStringView last;
    int place = static_cast<int>(kMaxDigits + 1 - n);
    for (qsizetype i = 0; i < n; ++i, ++place) {
        const int d = digits.at(i).digitValue();
        if (d != 0) {
            const bool first = i == 0;
            if (d >= 2 || first || writesOne(place))
                words += table.digits.at(d);
            last = table.places.at(place);
            words += last;
            continue;
        }
        const qsizetype remaining = n - 1 - i;  // digits after this one
        if (allZeroFrom(digits, i)) {
            words += table.groups.at(remaining);
            break;
        }
        if (isGroupPlace(remaining) && !last.isEmpty() && table.subUnits.contains(last)) {
            last = table.groups.at(remaining);
            words += last;
        }
    }
    return words;
}

}  // namespace

QString koreanAmountWords(const QString& digits) {
    return amountWords(digits, kKorean);
}

QString hanjaAmountWords(const QString& digits) {
    return amountWords(digits, kHanja);
}
