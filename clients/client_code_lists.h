#pragma once

#include <QString>

class QComboBox;

// The client code lists of the client forms, filled from the classification
// codes of BUCODE.DB.

// The deal kinds of a client request: "전체", "임대", "매수".
void fillClientDealList(QComboBox* deal);

// The kind letter whose codes the category list offers for a deal: "I" for
// "임대", "X" (which no code carries) for "전체", "M" for any other deal.
QString clientKindLetter(const QString& deal);

// Clears the status and category lists, puts "전체" first in each and
// selects it, then adds, reading BUCODE.DB from its first row to its last,
// each code of kind "W" to the status list and each code of the deal's kind
// letter to the category list.
void fillClientCodeLists(const QComboBox* deal, QComboBox* working, QComboBox* category);

// Shows a stored value in a drop-down list: the item equal to it, from item
// 1 on. A value that the list no longer offers (a code renamed or deleted
// since) is added to the list and shown, so that saving keeps it; an empty
// value shows item 0.
void showStoredItem(QComboBox* box, const QString& value);
