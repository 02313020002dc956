#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

class Database;
class Query;

// Several desks on one store: a listing, a client request or a document
// carries how many times it was saved (`changes`) and the desk that saved it
// last (`changedby`). A desk saves a row only over the count it loaded it
// with; when another desk saved it meanwhile, the user is asked what to keep.

// "caption: before → after" for a field another desk changed, an empty value
// written as "(빈칸)"; nothing when the values are equal.
void noteChangedField(QStringList& lines, const QString& caption, const QString& before,
                      const QString& after);

enum class ChangedElsewhereChoice {
    ReadAgain,  // show the row as the other desk saved it; what was typed is dropped
    Overwrite,  // save what the form shows over it
    Cancel,     // save nothing; the form stays as typed
};

// Asks, naming the desk that saved last (`desk`, may be empty) and what it
// changed, whether to read `thing` (with its particle: "물건을", "계약서를") again,
// overwrite it, or go back to the form.
ChangedElsewhereChoice askChangedElsewhere(const QString& thing, const QString& desk,
                                           const QStringList& changes);

// The row of `table` whose `keyField` equals `key` (or, with an empty
// `keyField`, whose row number is `key`) as this desk saves it: its counter
// moves on from `loaded` and it names this desk. False, with nothing written,
// when its counter is no longer `loaded` (another desk saved it since it was
// loaded) or the row is gone. Runs inside the caller's transaction, which
// holds the row until it ends.
bool claimRowChange(Database& database, const QString& table, const QString& keyField,
                    const QVariant& key, qint64 loaded);

// For a statement that changes rows other than through an entry form (a code
// carried into every row using it): the assignments that move the counter of
// every changed row of alias `alias` and name this desk, to follow the
// statement's own "set …", and the parameter they need.
QString countedChangeAssignments(const QString& alias);
void setCountedChangeParams(Query& query);
