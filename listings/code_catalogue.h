#pragma once

#include "listings/code_cascade.h"
#include "listings/code_category.h"

#include <QString>
#include <QStringList>

class Database;
class Table;

// The classification codes of BUCODE.DB: listing, adding, changing (carried
// into the listings and requests that use the code) and deleting the codes of
// one category. Every action opens the code table for its own length only and
// writes in one transaction.
class CodeCatalogue {
public:
    enum class AddResult { Added, Empty, Duplicate };
    enum class ChangeResult { Changed, Duplicate, NotFound };

    // `database` null means the database behind qdb3.
    explicit CodeCatalogue(Database* database = nullptr);

    // The codes of the category in table order (that is, in code order).
    QStringList codes(CodeCategory category) const;
    bool contains(CodeCategory category, const QString& code) const;

    // Adds the code unless it is empty or the category already has it.
    AddResult add(CodeCategory category, const QString& code) const;

    // Replaces `oldCode` by `newCode` in the code table and in every listing
    // and request that uses it, as one transaction: when any step fails,
    // nothing changes. Refused when the category already has `newCode`, which
    // includes `newCode` equal to `oldCode`. An empty `newCode` is accepted.
    ChangeResult change(CodeCategory category, const QString& oldCode, const QString& newCode,
                        const CascadeProgress& progress = {}) const;

    // Deletes the first row of the category holding the code; returns whether
    // there was one. Whether the code is in use is the caller's check.
    bool remove(CodeCategory category, const QString& code) const;

private:
    Database& database() const;
    // Moves to the first row of the category holding the code.
    static bool seek(Table& table, CodeCategory category, const QString& code);

    Database* database_;
};
