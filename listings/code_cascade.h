#pragma once

#include "listings/code_category.h"

#include <QString>

#include <functional>

class Database;

// Where a code change has got to in `table`: `position` of its `total` rows
// that hold the old code have been changed. Each table is announced with
// position 0 before it is changed and reported again when it is done.
struct CascadeStep {
    QString table;
    int position = 0;
    int total = 0;
};
using CascadeProgress = std::function<void(const CascadeStep&)>;

// Carries a changed code into every listing and request that holds the old
// code for this category (see codeUses), one statement per table, so that
// the store does the work. A row whose field is empty (NULL) holds no code.
// A new code too long for a field is refused with a StoreError before that
// table is touched. Runs inside the caller's transaction: an error (from the
// store or from `progress`) leaves the rows to be rolled back by the caller.
// Every changed row counts as saved at this desk (its change counter moves
// on), so an entry form that has it open notices. On a server the rows
// holding the old code are locked first, until the caller's transaction
// ends. Returns the number of rows changed.
int cascadeCodeChange(Database& database, CodeCategory category, const QString& oldCode,
                      const QString& newCode, const CascadeProgress& progress = {});
