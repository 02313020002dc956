#include "data/table_name.h"

#include <QStringList>

QString canonicalTableName(const QString& spelling) {
    QString name = spelling.trimmed();
    if (name.size() >= 2 && (name.front() == u'"' || name.front() == u'\'') && name.back() == name.front()) {
        name = name.mid(1, name.size() - 2);
    }
    const qsizetype slash = std::max(name.lastIndexOf(u'/'), name.lastIndexOf(u'\\'));
    if (slash >= 0) name = name.mid(slash + 1);
    name = name.toLower();
    for (const QString& extension : {QStringLiteral(".db"), QStringLiteral(".dbf")}) {
        if (name.endsWith(extension)) {
            name.chop(extension.size());
            break;
        }
    }
    return name;
}
