#pragma once

#include <QString>

// Which of a client's wishes take part in the match of the client list (the
// panel "물건 일치조건 설정"). Kept as key `Matching` of section `BUDONG` of
// qdb.ini in the program directory: one character per box, "1" ticked, in
// the order 분류, 선호지역, 건평상한, 대지상한, 예산, 부동산명, 의뢰중만.
struct MatchSettings {
    bool cname = false;     // CKBcname "분류"
    bool addr = false;      // CKBaddr "선호지역"
    bool gpung = false;     // CKBgpung "건평상한"
    bool dpung = false;     // CKBdpung "대지상한"
    bool yesan = false;     // CKByesan "예산"
    bool wantcom = false;   // CKBwantcom "부동산명"
    bool openOnly = false;  // CKBreqing "의뢰중만": listings still offered

    // Reads the text character by character; a character that is not "1",
    // and a character the text does not reach (an older, six-character text
    // or one edited by hand), leaves its box unticked.
    static MatchSettings fromText(const QString& text);
    // The seven characters.
    QString text() const;

    bool operator==(const MatchSettings&) const = default;
};

// "qdb.ini" in the program directory.
QString matchSettingsPath();

// The settings as qdb.ini holds them; none ticked when the file or the key
// is missing.
MatchSettings readMatchSettings();

// Writes them into qdb.ini, keeping its other sections and keys. False when
// the file cannot be written.
bool writeMatchSettings(const MatchSettings& settings);
