#include "tools/diary_entries.h"

#include "common/row_key.h"
#include "data/database.h"
#include "data/query.h"
#include "data/table.h"
#include "data/transaction.h"

namespace {
const QString kDiaryTable = QStringLiteral("DIARY1.DB");
const QChar kCarriageReturn(13);

// Every entry with the listing that owns it, if any: a key made of an
// existing listing's number and "M" or "L".
void selectEntries(Query& query) {
    query.add(
        QStringLiteral("select d.\"scancode\", d.\"day1\", d.\"remark\", d.\"memo1\", "
                       "b.\"scancode\" as listing"));
    query.add(QStringLiteral("from \"DIARY1.DB\" d left join \"BUDONG.DB\" b"));
    query.add(QStringLiteral(
        "on b.\"scancode\" = substr(d.\"scancode\", 1, length(d.\"scancode\") - 1)"));
    query.add(
        QStringLiteral("and substr(d.\"scancode\", length(d.\"scancode\"), 1) in (:pm, :pl)"));
    query.setParam(QStringLiteral("pm"), QStringLiteral("M"));
    query.setParam(QStringLiteral("pl"), QStringLiteral("L"));
}

DiaryEntry entryAt(Query& query) {
    return DiaryEntry{query.text(QStringLiteral("scancode")), query.text(QStringLiteral("day1")),
                      query.text(QStringLiteral("remark")),
                      shownDiaryMemo(query.text(QStringLiteral("memo1"))),
                      query.text(QStringLiteral("listing"))};
}

std::vector<DiaryEntry> readAll(Query& query) {
    std::vector<DiaryEntry> entries;
    query.open();
    for (query.first(); !query.eof(); query.next())
        entries.push_back(entryAt(query));
    query.close();
    return entries;
}

int entriesOn(const QDate& day) {
    Query query;
    query.add(QStringLiteral("select count(*) as n from \"DIARY1.DB\" d where d.\"day1\" = :d1"));
    query.setParam(QStringLiteral("d1"), day.toString(Qt::ISODate));
    query.open();
    const int count = static_cast<int>(query.integer(QStringLiteral("n")));
    query.close();
    return count;
}

void writeFields(Table& diary, const QString& day, const QString& title, const QString& memo) {
    diary.setValue(QStringLiteral("day1"), day);
    diary.setValue(QStringLiteral("remark"), title);
    diary.setValue(QStringLiteral("memo1"), storedDiaryMemo(memo));
    diary.post();
}
}  // namespace

QString DiaryEntry::memoHead() const {
    return memo.section(u'\n', 0, 0).trimmed();
}

QString DiaryEntry::shortText() const {
    if (!ownedByListing() || memoHead().isEmpty()) return title;
    return title + u' ' + memoHead();
}

std::vector<DiaryEntry> diaryEntriesBetween(const QString& from, const QString& to) {
    Query query;
    selectEntries(query);
    query.add(QStringLiteral("where d.\"day1\" >= :d1 and d.\"day1\" <= :d2"));
    query.add(QStringLiteral("order by d.\"day1\", d.\"remark\", d.\"scancode\""));
    query.setParam(QStringLiteral("d1"), from);
    query.setParam(QStringLiteral("d2"), to);
    return readAll(query);
}

std::optional<DiaryEntry> diaryEntry(const QString& key) {
    Query query;
    selectEntries(query);
    query.add(QStringLiteral("where d.\"scancode\" = :k1"));
    query.setParam(QStringLiteral("k1"), key);
    std::vector<DiaryEntry> entries = readAll(query);
    if (entries.empty()) return std::nullopt;
    return entries.front();
}

QString diaryDayNotice(const QDate& today) {
    return QStringLiteral("오늘 일정 %1건, 내일 %2건")
        .arg(entriesOn(today))
        .arg(entriesOn(today.addDays(1)));
}

QString addDiaryEntry(const QString& day, const QString& title, const QString& memo) {
    Transaction transaction(Database::qdb3());
    Table diary(kDiaryTable);
    diary.open();
    diary.append();
    // The desk number stands before the "D" that tells the diary's own
    // entries from a listing's reminders.
    const QString key = writeWithNewKey(
        Database::qdb3(), KeyRoom::ForDesk,
        [&](const QString& made) {
            diary.setValue(QStringLiteral("scancode"), made);
            writeFields(diary, day, title, memo);
        },
        QStringLiteral("D"));
    diary.close();
    transaction.commit();
    return key;
}

bool changeDiaryEntry(const QString& key, const QString& day, const QString& title,
                      const QString& memo) {
    Transaction transaction(Database::qdb3());
    Table diary(kDiaryTable);
    diary.open();
    if (!diary.findKey(key)) return false;
    diary.edit();
    writeFields(diary, day, title, memo);
    diary.close();
    transaction.commit();
    return true;
}

bool deleteDiaryEntry(const QString& key) {
    Transaction transaction(Database::qdb3());
    Table diary(kDiaryTable);
    diary.open();
    if (!diary.findKey(key)) return false;
    diary.deleteRow();
    diary.close();
    transaction.commit();
    return true;
}

QString storedDiaryMemo(const QString& shown) {
    QString stored = shown;
    stored.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    stored.replace(u'\n', kCarriageReturn);
    return stored;
}

QString shownDiaryMemo(const QString& stored) {
    QString shown = stored;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(kCarriageReturn, u'\n');
    return shown;
}
