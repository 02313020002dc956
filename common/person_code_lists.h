#pragma once

#include <QString>
#include <QStringList>

#include <array>

class QComboBox;
class Query;

// The person code lists that the people forms offer in their drop-down
// lists: list 0 holds one empty entry; lists 1..4 hold the codes of the
// person-code categories "C" (business type), "G" (group), "P" (product
// kind) and "R" (relationship), each in ascending code order.
class PersonCodeLists {
  public:
    static constexpr int kCount = 5;

    PersonCodeLists();

    // The list with that index; an index outside 0..4 gives an empty list.
    const QStringList& list(int index) const;

    // The category letter of list 1..4 ("C", "G", "P", "R"); none for other indexes.
    static QChar categoryOf(int index);

    // Rebuilds lists 1..4 from MANCODE.DB on `query`, one category after the
    // other. A store error goes to the caller; the lists rebuilt before it
    // hold their new codes and the others keep what they held.
    void load(Query& query);

  private:
    std::array<QStringList, kCount> lists_;
};

// The codes of one category of MANCODE.DB in ascending order, read on `query`.
QStringList readPersonCodes(Query& query, QChar category);

// Fills a drop-down list with `codes`: clears it, adds "전체" first when
// `mode` is 4, then the codes in order, and selects the first item when there
// is one.
void fillWithPersonCodes(QComboBox& box, const QStringList& codes, int mode);
