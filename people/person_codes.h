#pragma once

#include <QString>
#include <QStringList>

class Query;

// The four vocabularies of the people directory, kept in MANCODE.DB under a
// category letter and held by a field of man.DB.
enum class PersonCodeCategory {
    Relation,      // "R", man.DB `gubun`
    BusinessType,  // "C", man.DB `compart`
    ProductKind,   // "P", man.DB `cargubun`
    Group,         // "G", man.DB `group`
};

QString personCodeLetter(PersonCodeCategory category);
// The field of man.DB that holds the category's codes.
QString personCodeField(PersonCodeCategory category);

// The lines of the statement that finds the Persons holding a code; the
// code is the parameter :code.
QStringList personCodeUsageStatement(PersonCodeCategory category);

// The person codes of MANCODE.DB: listing, adding and deleting the codes of
// one category. Every action opens the table for its own length only; the
// writes of an action are one transaction.
class PersonCodeCatalogue {
public:
    enum class AddResult { Added, Empty, Duplicate };
    enum class RemoveResult { Removed, InUse, Missing };

    // The codes of the category in the table's order.
    QStringList codes(PersonCodeCategory category) const;

    // Adds the code unless it is empty or the category holds that very text
    // (compared exactly, letter case included).
    AddResult add(PersonCodeCategory category, const QString& code) const;

    // Deletes the code unless a Person holds it. The check and the deletion
    // are one transaction, so that no Person takes the code in between.
    RemoveResult remove(PersonCodeCategory category, const QString& code) const;
};
