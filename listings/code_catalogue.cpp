#include "listings/code_catalogue.h"

#include "data/database.h"
#include "data/table.h"
#include "data/transaction.h"

namespace {
const QString kCodeTable = QStringLiteral("BUCODE.DB");
const QString kCategoryField = QStringLiteral("gubun");
const QString kCodeField = QStringLiteral("code");

// An empty code is stored as empty text; a null text would be stored as a
// missing value, which the code table does not take.
QString storedText(const QString& code) { return code.isNull() ? QStringLiteral("") : code; }

// Opens the code table for one action and closes it when the action ends,
// whether it ends normally or by an error.
class OpenCodeTable {
public:
    explicit OpenCodeTable(Database* database) : table_(kCodeTable, database) { table_.open(); }
    ~OpenCodeTable() { table_.close(); }
    OpenCodeTable(const OpenCodeTable&) = delete;
    OpenCodeTable& operator=(const OpenCodeTable&) = delete;
    Table& operator*() { return table_; }
    Table* operator->() { return &table_; }

private:
    Table table_;
};
}  // namespace

CodeCatalogue::CodeCatalogue(Database* database) : database_(database) {}

Database& CodeCatalogue::database() const { return database_ ? *database_ : Database::qdb3(); }

bool CodeCatalogue::seek(Table& table, CodeCategory category, const QString& code) {
    const QString letter = categoryLetter(category);
    for (table.first(); !table.eof(); table.next()) {
        if (table.text(kCategoryField) == letter && table.text(kCodeField) == code) return true;
    }
    return false;
}

QStringList CodeCatalogue::codes(CodeCategory category) const {
    OpenCodeTable table(database_);
    const QString letter = categoryLetter(category);
    QStringList result;
    for (table->first(); !table->eof(); table->next()) {
        if (table->text(kCategoryField) == letter) result.append(table->text(kCodeField));
    }
    return result;
}

bool CodeCatalogue::contains(CodeCategory category, const QString& code) const {
    OpenCodeTable table(database_);
    return seek(*table, category, code);
}

CodeCatalogue::AddResult CodeCatalogue::add(CodeCategory category, const QString& code) const {
    if (code.isEmpty()) return AddResult::Empty;
    Transaction transaction(database());
    OpenCodeTable table(database_);
    if (seek(*table, category, code)) return AddResult::Duplicate;
    table->append();
    table->setValue(kCategoryField, categoryLetter(category));
    table->setValue(kCodeField, code);
    table->post();
    transaction.commit();
    return AddResult::Added;
}

CodeCatalogue::ChangeResult CodeCatalogue::change(CodeCategory category, const QString& oldCode,
                                                  const QString& newCode,
                                                  const CascadeProgress& progress) const {
    const QString replacement = storedText(newCode);
    Transaction transaction(database());
    {
        OpenCodeTable table(database_);
        if (seek(*table, category, replacement)) return ChangeResult::Duplicate;
        if (!seek(*table, category, oldCode)) return ChangeResult::NotFound;
        table->edit();
        table->setValue(kCodeField, replacement);
        table->post();
    }
    cascadeCodeChange(database(), category, oldCode, replacement, progress);
    transaction.commit();
    return ChangeResult::Changed;
}

bool CodeCatalogue::remove(CodeCategory category, const QString& code) const {
    Transaction transaction(database());
    OpenCodeTable table(database_);
    if (!seek(*table, category, code)) return false;
    table->deleteRow();
    transaction.commit();
    return true;
}
