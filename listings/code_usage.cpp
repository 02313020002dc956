#include "listings/code_usage.h"

#include "common/store_helpers.h"
#include "data/query.h"

namespace {
QString kindCondition(const QStringList& kinds) {
    QStringList alternatives;
    for (const QString& kind : kinds) {
        alternatives.append(QStringLiteral("B.\"im\" = \"%1\"").arg(kind));
    }
    if (alternatives.size() == 1) return alternatives.first();
    return u'(' + alternatives.join(QStringLiteral(" or ")) + u')';
}

QString whereLine(const CodeUse& use) {
    const QString codeCondition = QStringLiteral("B.\"%1\" = :code").arg(use.field);
    if (use.kinds.isEmpty()) return QStringLiteral(" where ") + codeCondition;
    return QStringLiteral(" where ") + kindCondition(use.kinds) + QStringLiteral(" and ") +
           codeCondition;
}
}  // namespace

QStringList codeUsageStatement(const CodeUse& use) {
    return {QStringLiteral("select B.\"%1\" from \"%2\" B").arg(use.selectField, use.table),
            whereLine(use)};
}

CodeUsage codeUsage(Query& query, CodeCategory category, const QString& code) {
    for (const CodeUse& use : codeUses(category)) {
        query.close();
        query.clear();
        query.clearParams();
        for (const QString& line : codeUsageStatement(use)) query.add(line);
        query.setParam(QStringLiteral("code"), code);
        if (!openWithRetry(query)) return CodeUsage::Unknown;
        const bool found = !query.isEmpty();
        query.close();
        if (found) return CodeUsage::InUse;
    }
    return CodeUsage::Unused;
}
