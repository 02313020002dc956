#pragma once

#include <QDate>
#include <QString>

#include <optional>
#include <vector>

// The entries of the office diary, DIARY1.DB. Two kinds live side by side:
// the payment-day reminders of listings (key = listing number + "M" or "L",
// written by the listing entry form) and the office's own entries (key = a
// time-stamp key + "D"). A reminder belongs to its listing while the listing
// exists and is changed through it; a reminder whose listing is gone, and
// any entry of another origin, is the office's own.
struct DiaryEntry {
    QString key;      // scancode
    QString day;      // day1, "YYYY-MM-DD"
    QString title;    // remark
    QString memo;     // memo1, its line breaks as "\n"
    QString listing;  // the number of the listing that owns it; empty for the office's own

    bool ownedByListing() const { return !listing.isEmpty(); }
    // The first line of the memo.
    QString memoHead() const;
    // What a day box and the lists show: the title, and for a reminder the
    // first line of its note after it ("잔금 매매  아파트").
    QString shortText() const;
};

// The entries from `from` to `to` (both "YYYY-MM-DD", inclusive), by day and
// within a day by title, so that titles led by a time ("09:30 …", "14:00 …")
// come in the order of the day.
std::vector<DiaryEntry> diaryEntriesBetween(const QString& from, const QString& to);
// The entry with the key, if it exists.
std::optional<DiaryEntry> diaryEntry(const QString& key);

// "오늘 일정 2건, 내일 1건": how many entries fall on `today` and on the day after.
QString diaryDayNotice(const QDate& today);

// The office's own entries. Each is one transaction; the memo is stored with
// the diary's line break, a single carriage return.
QString addDiaryEntry(const QString& day, const QString& title, const QString& memo);
// False when the entry no longer exists (nothing was written).
bool changeDiaryEntry(const QString& key, const QString& day, const QString& title,
                      const QString& memo);
// False when the entry no longer exists.
bool deleteDiaryEntry(const QString& key);

// The CP949 byte limit of a title (the field remark).
constexpr int kDiaryTitleBytes = 20;

// Line breaks between the diary's stored form (carriage return) and the
// screen's ("\n").
QString storedDiaryMemo(const QString& shown);
QString shownDiaryMemo(const QString& stored);
