#include "people/person_codes.h"

#include "data/database.h"
#include "data/query.h"
#include "data/table.h"
#include "data/transaction.h"

namespace {

const QString kCodeTable = QStringLiteral("MANCODE.DB");
const QString kLetterField = QStringLiteral("gubun");
const QString kCodeField = QStringLiteral("code");

// Moves to the row of the category holding the code.
bool seek(Table& table, const QString& letter, const QString& code) {
    for (table.first(); !table.eof(); table.next()) {
        if (table.text(kLetterField) == letter && table.text(kCodeField) == code) return true;
    }
    return false;
}

bool inUse(PersonCodeCategory category, const QString& code) {
    Query query;
    for (const QString& line : personCodeUsageStatement(category))
        query.add(line);
    query.setParam(QStringLiteral("code"), code);
    query.open();
    const bool found = !query.isEmpty();
    query.close();
    return found;
}

}  // namespace

QString personCodeLetter(PersonCodeCategory category) {
    switch (category) {
        case PersonCodeCategory::Relation:
            return QStringLiteral("R");
        case PersonCodeCategory::BusinessType:
            return QStringLiteral("C");
        case PersonCodeCategory::ProductKind:
            return QStringLiteral("P");
        case PersonCodeCategory::Group:
            break;
    }
    return QStringLiteral("G");
}

QString personCodeField(PersonCodeCategory category) {
    switch (category) {
        case PersonCodeCategory::Relation:
            return QStringLiteral("gubun");
        case PersonCodeCategory::BusinessType:
            return QStringLiteral("compart");
        case PersonCodeCategory::ProductKind:
            return QStringLiteral("cargubun");
        case PersonCodeCategory::Group:
            break;
    }
    return QStringLiteral("group");
}

QStringList personCodeUsageStatement(PersonCodeCategory category) {
    // The field name is always quoted: "group" is a word of the language.
    return {QStringLiteral("select M.\"name\" from \"MAN.DB\" M where "),
            QStringLiteral("M.\"%1\" = :code").arg(personCodeField(category))};
}

QStringList PersonCodeCatalogue::codes(PersonCodeCategory category) const {
    Table table(kCodeTable);
    table.open();
    const QString letter = personCodeLetter(category);
    QStringList result;
    for (table.first(); !table.eof(); table.next()) {
        if (table.text(kLetterField) == letter) result.append(table.text(kCodeField));
    }
    return result;
}

PersonCodeCatalogue::AddResult PersonCodeCatalogue::add(PersonCodeCategory category,
                                                        const QString& code) const {
    if (code.isEmpty()) return AddResult::Empty;
    Transaction transaction(Database::qdb3());
    Table table(kCodeTable);
    table.open();
    const QString letter = personCodeLetter(category);
    if (seek(table, letter, code)) return AddResult::Duplicate;
    table.append();
    table.setValue(kLetterField, letter);
    table.setValue(kCodeField, code);
    table.post();
    transaction.commit();
    return AddResult::Added;
}

PersonCodeCatalogue::RemoveResult PersonCodeCatalogue::remove(PersonCodeCategory category,
                                                              const QString& code) const {
    Transaction transaction(Database::qdb3());
    if (inUse(category, code)) return RemoveResult::InUse;
    Table table(kCodeTable);
    table.open();
    if (!seek(table, personCodeLetter(category), code)) return RemoveResult::Missing;
    table.deleteRow();
    transaction.commit();
    return RemoveResult::Removed;
}
