#include "listings/listing_search.h"

#include "data/query.h"
#include "data/sql_dialect.h"
#include "listings/listing_columns.h"

#include <optional>

namespace {

const QString kAll = QStringLiteral("전체");

// Collects the condition lines with their joiners and the parameters.
class StatementBuilder {
public:
    StatementBuilder() { statement_.lines = listingSelectLines(); }

    // A condition of one line, or of several lines of which only the first
    // carries the joiner.
    void condition(const QStringList& lines) {
        const QString joiner =
            conditions_++ == 0 ? QStringLiteral(" where ") : QStringLiteral(" and ");
        statement_.lines.append(joiner + lines.first());
        for (qsizetype i = 1; i < lines.size(); ++i)
            statement_.lines.append(lines[i]);
    }
    void condition(const QString& line) { condition(QStringList{line}); }

    void param(const QString& name, const QVariant& value) {
        statement_.params.append({name, value});
    }

    void refuse(const QString& message, const QString& field) {
        if (!statement_.refusal.isEmpty()) return;  // the first field in the panel's order
        statement_.refusal = message;
        statement_.refusedField = field;
    }

    ListingStatement finish(const QString& orderLine) {
        if (!statement_.ok()) {
            statement_.lines.clear();
            statement_.params.clear();
            return statement_;
        }
        statement_.lines.append(orderLine);
        return statement_;
    }

private:
    ListingStatement statement_;
    int conditions_ = 0;
};

// One bound of a range: its text position in the masked field, the column
// it limits and the parameter that carries it.
struct RangeBound {
    int start;
    int length;
    const char* column;
    const char* comparison;
    const char* parameter;
};

// A range field of the panel: its two bounds, the factor that turns the
// typed unit into the stored one, and how the user knows it.
struct RangeField {
    RangeBound low;
    RangeBound high;
    qint64 factor;
    QString label;
    QString control;
};

std::optional<qint64> wholeNumber(const QString& text) {
    bool ok = false;
    const qint64 value = text.toLongLong(&ok);
    return ok ? std::optional<qint64>(value) : std::nullopt;
}

QString rangeRefusal(const QString& label) {
    return label + QStringLiteral(" 범위는 숫자로 입력하세요 ...!");
}

void addRangeBound(StatementBuilder& builder, const QString& masked, const RangeBound& bound,
                   const RangeField& field) {
    const QString part = maskedPart(masked, bound.start, bound.length);
    if (part.isEmpty()) return;
    const std::optional<qint64> number = wholeNumber(part);
    if (!number) {
        builder.refuse(rangeRefusal(field.label), field.control);
        return;
    }
    const QString parameter = QString::fromLatin1(bound.parameter);
    builder.condition(
        QStringLiteral("S.\"%1\" %2 :%3")
            .arg(QLatin1String(bound.column), QLatin1String(bound.comparison), parameter));
    builder.param(parameter, *number * field.factor);
}

void addRange(StatementBuilder& builder, const QString& masked, const RangeField& field) {
    addRangeBound(builder, masked, field.low, field);
    addRangeBound(builder, masked, field.high, field);
}

// `S."<column>" = :<parameter>` with the chosen text.
void addEquals(StatementBuilder& builder, const char* column, const char* parameter,
               const QString& value) {
    const QString name = QString::fromLatin1(parameter);
    builder.condition(QStringLiteral("S.\"%1\" = :%2").arg(QLatin1String(column), name));
    builder.param(name, value);
}

// `S."<column>" = "<value>"` for a value the program itself offers (a check
// box, a fixed item of a drop-down list): it stays a constant of the
// statement, as the office's search lines read.
void addFixedEquals(StatementBuilder& builder, const char* column, const QString& value) {
    builder.condition(QStringLiteral("S.\"%1\" = \"%2\"").arg(QLatin1String(column), value));
}

bool isFixedKind(const QString& kind) {
    return kind == QStringLiteral("임대") || kind == QStringLiteral("매매");
}

void addContains(StatementBuilder& builder, const char* column, const char* parameter,
                 const QString& typed) {
    const QString name = QString::fromLatin1(parameter);
    builder.condition(QStringLiteral("S.\"%1\" like :%2").arg(QLatin1String(column), name));
    builder.param(name, containsPattern(typed));
}

bool isChosen(const QString& dropDownText) {
    return !dropDownText.isEmpty() && dropDownText != kAll;
}

QString orderLine(ListingSortOrder order) {
    switch (order) {
        case ListingSortOrder::Cname:
            return QStringLiteral(" order by S.\"cname\"");
        case ListingSortOrder::Addr:
            return QStringLiteral(" order by S.\"addr\"");
        case ListingSortOrder::ExpireDay:
            return QStringLiteral(" order by S.\"expireday\", S.\"scancode\"");
        case ListingSortOrder::Scancode:
            break;
    }
    return QStringLiteral(" order by S.\"scancode\"");
}

void addNameAndAddress(StatementBuilder& builder, const ListingSearchInput& input) {
    if (!input.name1.isEmpty()) {
        builder.condition({QStringLiteral("(S.\"name1\" like :p12 "),
                           QStringLiteral("or S.\"name\" like :p12)")});
        builder.param(QStringLiteral("p12"), containsPattern(input.name1));
    }
    if (!input.addr.isEmpty()) {
        builder.condition({QStringLiteral("(S.\"addr\" like :p13"),
                           QStringLiteral(" or S.\"addr1\" like :p13)")});
        builder.param(QStringLiteral("p13"), containsPattern(input.addr));
    }
}

void addDates(StatementBuilder& builder, const ListingSearchInput& input) {
    const QString column = input.dateField == ListingDateField::InDay ? QStringLiteral("inday")
                                                                      : QStringLiteral("expireday");
    if (!input.day1.isEmpty()) {
        builder.condition(QStringLiteral("S.\"%1\" >= :d1").arg(column));
        builder.param(QStringLiteral("d1"), input.day1);
    }
    if (!input.day2.isEmpty()) {
        builder.condition(QStringLiteral("S.\"%1\" <= :d2").arg(column));
        builder.param(QStringLiteral("d2"), input.day2);
    }
}

const RangeField kTotalm{{1, 6, "tmprice", ">=", "tm1"},
                         {8, 6, "tmprice", "<=", "tm2"},
                         1000,
                         QStringLiteral("합계금"),
                         QStringLiteral("EDtotalm")};
const RangeField kDpung{{1, 5, "dpung", ">=", "tm3"},
                        {7, 5, "dpung", "<=", "tm4"},
                        1,
                        QStringLiteral("대지"),
                        QStringLiteral("EDdpung")};
const RangeField kGpung{{1, 5, "gpung", ">=", "tm5"},
                        {7, 5, "gpung", "<=", "tm6"},
                        1,
                        QStringLiteral("건평"),
                        QStringLiteral("EDgpung")};
const RangeField kStair{{1, 2, "stair", ">=", "tm7"},
                        {4, 2, "stair", "<=", "tm8"},
                        1,
                        QStringLiteral("층수"),
                        QStringLiteral("EDstair")};

}  // namespace

QVariant ListingStatement::param(const QString& name) const {
    for (const auto& [key, value] : params) {
        if (key.compare(name, Qt::CaseInsensitive) == 0) return value;
    }
    return {};
}

void ListingStatement::applyTo(Query& query) const {
    query.clear();
    query.clearParams();
    for (const QString& line : lines)
        query.add(line);
    for (const auto& [name, value] : params)
        query.setParam(name, value);
}

QString maskedPart(const QString& maskedText, int start, int length) {
    return maskedText.mid(start - 1, length).trimmed();
}

ListingStatement buildListingSearch(const ListingSearchInput& input) {
    StatementBuilder builder;
    if (isChosen(input.im)) {
        if (isFixedKind(input.im)) {
            addFixedEquals(builder, "im", input.im);
        } else {
            addEquals(builder, "im", "p1", input.im);
        }
    }
    if (isChosen(input.cname)) addEquals(builder, "cname", "p2", input.cname);
    if (!input.cname1.isEmpty()) addContains(builder, "cname1", "p3", input.cname1);
    addRange(builder, input.totalmRange, kTotalm);
    addRange(builder, input.dpungRange, kDpung);
    addRange(builder, input.gpungRange, kGpung);
    addRange(builder, input.stairRange, kStair);
    addNameAndAddress(builder, input);
    if (input.reqing)
        addFixedEquals(builder, "reqing",
                       *input.reqing ? QStringLiteral("Y") : QStringLiteral("N"));
    if (input.kwanggo)
        addFixedEquals(builder, "kwanggo",
                       *input.kwanggo ? QStringLiteral("Y") : QStringLiteral("N"));
    if (!input.buildname.isEmpty()) addContains(builder, "buildname", "p16", input.buildname);
    if (!input.man.isEmpty()) {
        builder.condition(QStringLiteral("S.\"man\" like :p17"));
        builder.param(QStringLiteral("p17"), endsWithPattern(input.man));
    }
    addDates(builder, input);
    return builder.finish(orderLine(input.sortOrder));
}

ListingSearchInput expiringLeaseInput(const QString& fromDay, const QString& untilDay) {
    ListingSearchInput input;
    input.day1 = fromDay;
    input.day2 = untilDay;
    input.dateField = ListingDateField::ExpireDay;
    input.reqing.reset();
    input.kwanggo.reset();
    input.sortOrder = ListingSortOrder::ExpireDay;
    return input;
}

ListingStatement buildExpiringLeaseSearch(const QString& fromDay, const QString& untilDay) {
    return buildListingSearch(expiringLeaseInput(fromDay, untilDay));
}

bool searchUsesLeaseEnd(const ListingSearchInput& input) {
    const bool period = !input.day1.isEmpty() || !input.day2.isEmpty();
    return input.sortOrder == ListingSortOrder::ExpireDay ||
           (period && input.dateField == ListingDateField::ExpireDay);
}
