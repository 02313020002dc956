#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// The memo notes of MEMO.DB: a title and a text each, in the order they were
// written. A note is found again by its place in that order and checked
// against what was read, so that a note changed meanwhile by another program
// is never overwritten unseen.
struct MemoNote {
    QString title;
    QString text;
    bool operator==(const MemoNote&) const = default;
};

std::vector<MemoNote> readMemoNotes();
int countMemoNotes();

// Each writes in one transaction. A note no longer as it was read is a
// StoreError with a message in Korean; nothing is written then.
void appendMemoNote(const MemoNote& note);
void replaceMemoNote(int position, const MemoNote& wasRead, const MemoNote& note);
void deleteMemoNote(int position, const MemoNote& wasRead);

// The places of the notes whose title or text holds every word of `words`
// (separated by blanks; letter case ignored). Every note when there is no word.
std::vector<int> findMemoNotes(const std::vector<MemoNote>& notes, const QString& words);
