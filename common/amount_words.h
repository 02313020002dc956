#pragma once

#include <QString>

// Amounts written in words, as the listing displays (Korean) and the
// contracts (Hanja) show them. The input is a text of decimal digits;
// leading zeros are ignored. Zero and the empty text give the empty text, and
// so does a text with any other character or with more than 16 significant
// digits.
//
// A one is written before 조, 억 and 만 and in the ones place, but not before
// 천, 백 and 십 (except as the first digit): "120034" gives "일십이만삼십사".
// A number whose lower places are all zero ends with the word of its group,
// or with two blanks where the group has no word: "100200000" gives
// "일억이십만", "500" gives "오백  ".
QString koreanAmountWords(const QString& digits);

// The same in Hanja numerals: "30000000" gives "參阡萬". 參, 拾 and 六 are
// the CP949 compatibility code points U+F96B, U+F973 and U+F9D1 that carry
// the numeral reading; 10^12 is written 晁 and the thousand 阡.
QString hanjaAmountWords(const QString& digits);
