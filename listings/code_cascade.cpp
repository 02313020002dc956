#include "listings/code_cascade.h"

#include "common/cp949.h"
#include "data/database.h"
#include "data/query.h"
#include "data/store_error.h"

#include <QStringList>

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
        throw StoreError(QStringLiteral("'%1' 항목은 %2바이트까지 저장할 수 있습니다 (입력: %3바이트).")
                             .arg(field.name)
                             .arg(field.size)
                             .arg(bytes),
                         QStringLiteral("value too long for field %1.%2")
                             .arg(info.name, field.name));
    }
}

// Walks every row of the table once, reporting each visited row, and gives
// the keys of the rows that hold the old code for the category. A row whose
// field is empty (NULL) holds no code.
QStringList matchingKeys(Database& database, const CodeUse& use, const QString& oldCode,
                         const CascadeProgress& progress) {
    Query walk(&database);
    walk.add(QStringLiteral("select B.\"scancode\", B.\"im\", B.\"%1\" from \"%2\" B")
                 .arg(use.field, use.table));
    walk.open();
    const int total = walk.recordCount();
    if (progress) progress({use.table, 0, total});
    QStringList keys;
    int position = 0;
    for (walk.first(); !walk.eof(); walk.next()) {
        const QVariant code = walk.value(2);
        const bool kindMatches =
            use.kinds.isEmpty() || use.kinds.contains(walk.value(1).toString());
        if (kindMatches && !code.isNull() && code.toString() == oldCode) {
            keys.append(walk.value(0).toString());
        }
        if (progress) progress({use.table, ++position, total});
    }
    walk.close();
    return keys;
}

void updateByKeys(Database& database, const CodeUse& use, const QStringList& keys,
                  const QString& newCode) {
    Query update(&database);
    update.add(QStringLiteral("update \"%1\" B set B.\"%2\" = :code").arg(use.table, use.field));
    update.add(QStringLiteral(" where B.\"scancode\" = :key"));
    update.setParam(QStringLiteral("code"), newCode);
    for (const QString& key : keys) {
        update.setParam(QStringLiteral("key"), key);
        update.exec();
    }
}
}  // namespace

int cascadeCodeChange(Database& database, CodeCategory category, const QString& oldCode,
                      const QString& newCode, const CascadeProgress& progress) {
    int changed = 0;
    for (const CodeUse& use : codeUses(category)) {
        requireFits(database, use, newCode);
        const QStringList keys = matchingKeys(database, use, oldCode, progress);
        updateByKeys(database, use, keys, newCode);
        changed += static_cast<int>(keys.size());
    }
    return changed;
}
