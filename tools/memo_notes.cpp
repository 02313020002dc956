#include "tools/memo_notes.h"

#include "data/database.h"
#include "data/store_error.h"
#include "data/table.h"
#include "data/transaction.h"

namespace {
const QString kTable = QStringLiteral("MEMO.DB");
const QString kTitle = QStringLiteral("Memotitle");
const QString kText = QStringLiteral("Memo1");

MemoNote current(const Table& table) {
    return {table.text(kTitle), table.text(kText)};
}

// The table with the note at `position` current, as it was read.
void seek(Table& table, int position, const MemoNote& wasRead) {
    table.open();
    table.first();
    for (int i = 0; i < position && !table.eof(); ++i)
        table.next();
    if (position < 0 || table.eof() || !(current(table) == wasRead))
        throw StoreError(QStringLiteral(
            "메모가 그 사이에 바뀌었거나 삭제되었습니다. 목록을 다시 읽습니다 ...!"));
}
}  // namespace

std::vector<MemoNote> readMemoNotes() {
    Table table(kTable);
    table.open();
    std::vector<MemoNote> notes;
    for (table.first(); !table.eof(); table.next())
        notes.push_back(current(table));
    table.close();
    return notes;
}

int countMemoNotes() {
    Table table(kTable);
    table.open();
    const int count = table.recordCount();
    table.close();
    return count;
}

void appendMemoNote(const MemoNote& note) {
    Transaction transaction(Database::qdb3());
    Table table(kTable);
    table.open();
    table.append();
    table.setValue(kTitle, note.title);
    table.setValue(kText, note.text);
    table.post();
    transaction.commit();
}

void replaceMemoNote(int position, const MemoNote& wasRead, const MemoNote& note) {
    Transaction transaction(Database::qdb3());
    Table table(kTable);
    seek(table, position, wasRead);
    table.edit();
    table.setValue(kTitle, note.title);
    table.setValue(kText, note.text);
    table.post();
    transaction.commit();
}

void deleteMemoNote(int position, const MemoNote& wasRead) {
    Transaction transaction(Database::qdb3());
    Table table(kTable);
    seek(table, position, wasRead);
    table.deleteRow();
    transaction.commit();
}

std::vector<int> findMemoNotes(const std::vector<MemoNote>& notes, const QString& words) {
    const QStringList wanted = words.split(u' ', Qt::SkipEmptyParts);
    std::vector<int> found;
    for (size_t i = 0; i < notes.size(); ++i) {
        bool all = true;
        for (const QString& word : wanted) {
            if (!notes[i].title.contains(word, Qt::CaseInsensitive) &&
                !notes[i].text.contains(word, Qt::CaseInsensitive)) {
                all = false;
                break;
            }
        }
        if (all) found.push_back(static_cast<int>(i));
    }
    return found;
}
