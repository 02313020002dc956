#include "clients/client_statement.h"

#include "data/sql_dialect.h"

void ConditionLines::add(const QStringList& lines) {
    const QString joiner = conditions_++ == 0 ? QStringLiteral(" where ") : QStringLiteral(" and ");
    statement_.lines.append(joiner + lines.first());
    for (qsizetype i = 1; i < lines.size(); ++i)
        statement_.lines.append(lines[i]);
}

QStringList regionParts(const QString& regions) {
    QStringList parts;
    for (const QString& part : regions.split(u',')) {
        const QString trimmed = part.trimmed();
        if (!trimmed.isEmpty()) parts.append(trimmed);
    }
    return parts;
}

void addRegionCondition(ConditionLines& conditions, const QString& column, const QStringList& parts,
                        const QString& parameterPrefix) {
    if (parts.isEmpty()) return;
    QStringList lines{QStringLiteral("(")};
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString name = parameterPrefix + QString::number(i + 1);
        if (i > 0) lines.append(QStringLiteral("or"));
        lines.append(QStringLiteral(" S.\"%1\" like :%2").arg(column, name));
    }
    lines.append(QStringLiteral(")"));
    conditions.add(lines);
    for (qsizetype i = 0; i < parts.size(); ++i)
        conditions.param(parameterPrefix + QString::number(i + 1), containsPattern(parts[i]));
}
