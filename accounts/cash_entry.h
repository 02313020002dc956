#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

class Database;

// One purchase or sales entry of the cash book (a row of MAIPMACH.DB) as
// the entry form gathers it, and the rules it is stored by.

enum class EntryKind { Purchase, Sale };

struct CashEntry {
    QString day1;  // the date as typed; stored as "YYYY-MM-DD"
    QString comno;
    QString comname;
    EntryKind kind = EntryKind::Purchase;
    qint64 amount = 0;
    qint64 vat = 0;
    QString remark;
};

// The largest amount or tax one entry holds: the fields are 32-bit whole
// numbers of won. The totals of many entries are 64-bit and may pass it.
inline constexpr qint64 kLargestEntryAmount = 2147483647;

// The tax of an amount: a tenth in whole won, the remainder dropped
// (12,345 gives 1,234).
qint64 taxOf(qint64 amount);

// The number typed into an amount field: full-width digits read as digits,
// thousands commas and blanks ignored, an optional leading "-". Nothing when
// the text is no whole number or does not fit 64 bits; 0 for an empty text.
std::optional<qint64> amountFromText(const QString& text);

// The control a refused entry sends the user back to.
enum class EntryField { Day, Partner, Amount, Tax, Remark };

struct EntryRefusal {
    QString message;
    EntryField field;
};

// Why the entry cannot be stored, checked field by field in the form's
// order; nothing when it can. An entry needs a date (without one it has no
// month and never reaches the month lists or the settlement), a partner to
// be stored under, and an amount above 0; neither amount nor tax may be
// negative or beyond kLargestEntryAmount.
std::optional<EntryRefusal> entryRefusal(const CashEntry& entry);

// Stores the entry under a new time-stamp key and returns the key: a sale's
// amount and tax go into Money1 and Vat1 with Money and Vat 0, a purchase's
// into Money and Vat with the sales columns empty; Yearmonth is the date's
// "YYYY-MM". The entry must have passed entryRefusal().
QString storeEntry(const CashEntry& entry, Database* database = nullptr);

// Messages of the refusals.
QString noDayMessage();
QString noPartnerMessage();
QString noAmountMessage();
QString negativeMessage(const QString& label);
