#include "clients/client_search.h"

#include "common/amount_words.h"
#include "data/sql_dialect.h"

#include <optional>

namespace {

const QString kAll = QStringLiteral("전체");

bool isChosen(const QString& text) {
    return !text.isEmpty() && text != kAll;
}

std::optional<qint64> wholeNumber(const QString& text) {
    bool ok = false;
    const qint64 value = text.toLongLong(&ok);
    return ok && value >= 0 ? std::optional<qint64>(value) : std::nullopt;
}

// A range field of the panel: where its halves stand in the masked text,
// the columns they limit, the factor from the typed to the stored unit.
struct RangeField {
    int lowStart;
    int highStart;
    int length;
    const char* lowColumn;
    const char* highColumn;
    const char* lowParameter;
    const char* highParameter;
    qint64 factor;
    bool upperBoundZeroIsNone;  // a stored upper bound of 0 is "no bound"
    const char* label;
    const char* control;
};

const RangeField kDpung{1, 7, 5, "dpungl", "dpungu", "x3", "x4", 1, true, "대지", "EDdpung"};
const RangeField kGpung{1, 7, 5, "gpungl", "gpungu", "x5", "x6", 1, true, "건평", "EDgpung"};
const RangeField kYesan{1, 6, 4, "yesan", "yesan", "x7", "x8", 1000, false, "예산", "EDyesan"};

void refuse(ClientStatement& statement, const RangeField& field) {
    if (!statement.refusal.isEmpty()) return;
    statement.refusal =
        QString::fromUtf8(field.label) + QStringLiteral(" 범위는 숫자로 입력하세요 ...!");
    statement.refusedField = QLatin1String(field.control);
}

void addRange(ClientStatement& statement, ConditionLines& lines, const QString& masked,
              const RangeField& field) {
    const QString low = maskedPart(masked, field.lowStart, field.length);
    const QString high = maskedPart(masked, field.highStart, field.length);
    for (const QString& part : {low, high}) {
        if (!part.isEmpty() && !wholeNumber(part)) {
            refuse(statement, field);
            return;
        }
    }
    if (!low.isEmpty()) {
        const QString name = QLatin1String(field.lowParameter);
        lines.add(QStringLiteral("S.\"%1\" >= :%2").arg(QLatin1String(field.lowColumn), name));
        lines.param(name, *wholeNumber(low) * field.factor);
    }
    if (!high.isEmpty()) {
        const QString name = QLatin1String(field.highParameter);
        const QString column = QLatin1String(field.highColumn);
        if (field.upperBoundZeroIsNone) {
            lines.add({QStringLiteral("(S.\"%1\" <= :%2").arg(column, name),
                       QStringLiteral(" and S.\"%1\" > 0)").arg(column)});
        } else {
            lines.add(QStringLiteral("S.\"%1\" <= :%2").arg(column, name));
        }
        lines.param(name, *wholeNumber(high) * field.factor);
    }
}

void addText(ConditionLines& lines, const char* column, const char* parameter, const QString& value,
             bool partial) {
    const QString name = QLatin1String(parameter);
    lines.add(QStringLiteral("S.\"%1\" %2 :%3")
                  .arg(QLatin1String(column),
                       partial ? QStringLiteral("like") : QStringLiteral("="), name));
    lines.param(name, partial ? containsPattern(value) : value);
}

// The words of one half of the budget, typed in millions of won.
QString halfInWords(const QString& half) {
    const std::optional<qint64> millions = wholeNumber(half);
    if (!millions || *millions == 0) return {};
    return koreanAmountWords(QString::number(*millions) + QStringLiteral("000000"));
}

}  // namespace

QStringList clientSelectLines() {
    return {
        QStringLiteral("select "),
        QStringLiteral(" S.\"scancode\", S.\"name\", S.\"wantcom\", S.\"im\", S.\"htel\", "
                       "S.\"yesan\","),
        QStringLiteral(" S.\"inday\", S.\"dpungl\",S.\"dpungu\", S.\"gpungl\", S.\"gpungu\","),
        QStringLiteral(" S.\"addr\", S.\"working\", S.\"cname\""),
        QStringLiteral(" from \"BUREQU.DB\" S"),
    };
}

ClientStatement buildClientSearch(const ClientSearchInput& input) {
    ClientStatement statement;
    statement.lines = clientSelectLines();
    ConditionLines lines(statement);
    if (isChosen(input.im)) addText(lines, "im", "p1", input.im, false);
    if (!input.name.isEmpty()) addText(lines, "name", "p2", input.name, true);
    addRegionCondition(lines, QStringLiteral("addr"), regionParts(input.addr),
                       QStringLiteral("p3_"));
    if (!input.wantcom.isEmpty()) addText(lines, "wantcom", "p4", input.wantcom, true);
    if (isChosen(input.cname)) addText(lines, "cname", "p5", input.cname, false);
    if (isChosen(input.working)) addText(lines, "working", "p6", input.working, false);
    addRange(statement, lines, input.dpungRange, kDpung);
    addRange(statement, lines, input.gpungRange, kGpung);
    addRange(statement, lines, input.yesanRange, kYesan);
    if (!input.day1.isEmpty()) {
        lines.add(QStringLiteral("S.\"inday\" >= :d1"));
        lines.param(QStringLiteral("d1"), input.day1);
    }
    if (!input.day2.isEmpty()) {
        lines.add(QStringLiteral("S.\"inday\" <= :d2"));
        lines.param(QStringLiteral("d2"), input.day2);
    }
    if (!statement.ok()) {
        statement.lines.clear();
        statement.params.clear();
        return statement;
    }
    statement.lines.append(QStringLiteral(" order by S.\"inday\""));
    return statement;
}

ClientStatement buildClientsByKey(const QStringList& keys) {
    ClientStatement statement;
    statement.lines = clientSelectLines();
    if (keys.isEmpty()) {
        statement.lines.append(QStringLiteral(" where S.\"scancode\" is null"));
    } else {
        // The keys as parameters, twenty to a line.
        QString line = QStringLiteral(" where S.\"scancode\" in (");
        for (qsizetype i = 0; i < keys.size(); ++i) {
            const QString name = QStringLiteral("k%1").arg(i + 1);
            line +=
                u':' + name + (i + 1 < keys.size() ? QStringLiteral(", ") : QStringLiteral(")"));
            statement.params.append({name, keys[i]});
            if ((i + 1) % 20 == 0 || i + 1 == keys.size()) {
                statement.lines.append(line);
                line.clear();
            }
        }
    }
    statement.lines.append(QStringLiteral(" order by S.\"inday\""));
    return statement;
}

QString budgetCaption(const QString& yesanRange) {
    return QStringLiteral("예산▶ ") + halfInWords(maskedPart(yesanRange, 1, 4)) +
           QStringLiteral(" >> ") + halfInWords(maskedPart(yesanRange, 6, 4));
}
