#pragma once

#include <QString>

#include <optional>
#include <span>

class Database;

// The business partners of upche.DBF and what their changes carry into the
// cash book (maipmach.db), which keeps each entry's partner number and name.

// The fields the partner detail edits. The discount mark, settlement day,
// tax mark and opening receivable are kept as they are stored.
struct PartnerRecord {
    QString comno;
    QString comname;
    QString name;
    QString telno;
    QString faxno;
    QString addr;
    QString zip;
    QString upta;
    QString upjong;
    QString remark;
};

// A text field of the detail: its column, control, caption and CP949 limit.
struct PartnerTextField {
    const char* field;
    const char* control;
    const char* label;
    int bytes;
    QString PartnerRecord::*member;
};
std::span<const PartnerTextField> partnerTextFields();

// The partner with that number; nothing when there is none.
std::optional<PartnerRecord> loadPartner(const QString& comno, Database* database = nullptr);

// The number and name a partner had when the detail loaded it.
struct PartnerKey {
    QString comno;
    QString comname;
};

// What a save came to. Refused saves write nothing.
enum class PartnerSaveOutcome {
    Saved,
    NoNumber,         // "거래처 등록번호를 등록하세요 !"
    NoName,           // "업체명을 등록하세요 !"
    TooLong,          // a text longer than its field
    DuplicateNumber,  // "같은 업체코드가 이미 등록되어 있습니다. !!"
    Vanished,         // the partner being changed is no longer there: "Comno not found !"
};
struct PartnerSaveResult {
    PartnerSaveOutcome outcome = PartnerSaveOutcome::Saved;
    QString message;  // what to tell the user when refused
    QString control;  // the field to go back to
};

// Saves a new partner (`old` empty) or a change, in one transaction with
// what it carries into the cash book: a new number goes to every entry that
// had the old one; a new name goes to the entries of this partner (its
// number) that had the old name, never to another partner of the same name.
// The number is stored without blanks around it.
PartnerSaveResult savePartner(const PartnerRecord& partner, const std::optional<PartnerKey>& old,
                              Database* database = nullptr);

// Whether the cash book has entries with the partner's number or name.
bool partnerHasHistory(const QString& comno, const QString& comname, Database* database = nullptr);

// Deletes the partner and, with `withHistory`, first the cash-book entries
// that carry its number (entries that match only by name stay), in one
// transaction. False (and nothing deleted) when the partner is not there.
bool deletePartner(const QString& comno, bool withHistory, Database* database = nullptr);

// The messages of the partner forms.
QString partnerNotFoundMessage();
QString partnerSavedMessage(bool change);
