#include "tools/postal_search.h"

#include "data/query.h"
#include "data/sql_dialect.h"

void preparePostalSearch(Query& query, const QString& typed) {
    query.close();
    query.clear();
    query.clearParams();
    query.add(QStringLiteral("select * from \"addr.dbf\" a "));
    if (!typed.isEmpty()) {
        query.add(QStringLiteral("where a.\"addr\" like :p1"));
        query.setParam(QStringLiteral("p1"), containsPattern(typed));
    }
}

namespace {
FieldDef textField(const QString& name, int size, const QString& title, int width) {
    FieldDef field;
    field.name = name;
    field.type = FieldType::Text;
    field.size = size;
    field.displayLabel = title;
    field.displayWidth = width;
    return field;
}
}  // namespace

std::vector<FieldDef> postalGridFields() {
    return {textField(QStringLiteral("ZIP"), 7, QStringLiteral("우편번호"), 8),
            textField(QStringLiteral("ADDR"), 60, QStringLiteral("주소"), 44),
            textField(QStringLiteral("DDD"), 4, QStringLiteral("DDD"), 5)};
}

PostalGridKey postalGridKey(int key, const QString& text) {
    switch (key) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return PostalGridKey::Choose;
        case Qt::Key_Escape:
            return PostalGridKey::Close;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return PostalGridKey::Move;
        default:
            break;
    }
    return text.isEmpty() ? PostalGridKey::Move : PostalGridKey::Close;
}
