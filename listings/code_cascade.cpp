#include "listings/code_cascade.h"

#include "common/changed_elsewhere.h"
#include "common/cp949.h"
#include "data/database.h"
#include "data/query.h"
#include "data/store_error.h"
#include "listings/code_usage.h"

namespace {
void requireFits(Database& database, const CodeUse& use, const QString& value) {
    const TableInfo& info = database.tableInfo(use.table);
    const int index = info.fieldIndex(use.field);
    if (index < 0) {
        throw StoreError(QStringLiteral("항목을 찾을 수 없습니다: ") + use.table + u'.' + use.field,
                         QStringLiteral("field not found: ") + use.field);
    }
    const FieldDef& field = info.fields[static_cast<size_t>(index)];
    const int bytes = cp949ByteLength(value);
    if (field.size > 0 && bytes > field.size) {
        throw StoreError(
            QStringLiteral("'%1' 항목은 %2바이트까지 저장할 수 있습니다 (입력: %3바이트).")
                .arg(field.name)
                .arg(field.size)
                .arg(bytes),
            QStringLiteral("value too long for field %1.%2").arg(info.name, field.name));
    }
}

// The rows of the table holding the old code: the where line of the in-use
// check, with the code as the parameter :code.
QString holdingCondition(const CodeUse& use) {
    return codeUsageStatement(use).at(1);
}

int countHolding(Database& database, const CodeUse& use, const QString& oldCode) {
    Query count(&database);
    count.add(QStringLiteral("select count(*) from \"%1\" B").arg(use.table));
    count.add(holdingCondition(use));
    count.setParam(QStringLiteral("code"), oldCode);
    count.open();
    const int rows = count.value(0).toInt();
    count.close();
    return rows;
}

// Holds the rows of the table that hold the old code until the change is
// committed: another desk saving one of them waits for it, then sees the new
// code.
void lockHolding(Database& database, const CodeUse& use, const QString& oldCode) {
    Query lock(&database);
    for (const QString& line : codeUsageStatement(use))
        lock.add(line);
    lock.setParam(QStringLiteral("code"), oldCode);
    lock.lockRows();
}

// Each changed row counts as saved by this desk, so that an entry form that
// has it open notices.
int changeHolding(Database& database, const CodeUse& use, const QString& oldCode,
                  const QString& newCode) {
    Query update(&database);
    update.add(QStringLiteral("update \"%1\" B set B.\"%2\" = :newcode").arg(use.table, use.field) +
               countedChangeAssignments(QStringLiteral("B")));
    update.add(holdingCondition(use));
    update.setParam(QStringLiteral("code"), oldCode);
    update.setParam(QStringLiteral("newcode"), newCode);
    setCountedChangeParams(update);
    return update.exec();
}
}  // namespace

int cascadeCodeChange(Database& database, CodeCategory category, const QString& oldCode,
                      const QString& newCode, const CascadeProgress& progress) {
    int changed = 0;
    for (const CodeUse& use : codeUses(category))
        lockHolding(database, use, oldCode);
    for (const CodeUse& use : codeUses(category)) {
        requireFits(database, use, newCode);
        const int total = progress ? countHolding(database, use, oldCode) : 0;
        if (progress) progress({use.table, 0, total});
        const int rows = changeHolding(database, use, oldCode, newCode);
        if (progress) progress({use.table, rows, std::max(total, rows)});
        changed += rows;
    }
    return changed;
}
