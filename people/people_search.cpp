#include "people/people_search.h"

#include "common/dates.h"
#include "data/query.h"
#include "data/sql_dialect.h"
#include "people/birthday_range.h"
#include "tools/lunar_calendar.h"

#include <optional>

namespace {

const QString kAll = QStringLiteral("전체");

const QStringList kSelectLines{
    QStringLiteral("select "),
    QStringLiteral(
        " S.\"scancode\", S.\"name\", S.\"gubun\", S.\"comname\", S.\"buse\", S.\"grade\","),
    QStringLiteral(
        " S.\"hometel\", S.\"pipi\", S.\"comtel\", S.\"cargubun\", S.\"guipday\", S.\"name1\","),
    QStringLiteral(" S.\"remark\",S.\"homezip\",S.\"homeaddr\",S.\"homeaddr1\","),
    QStringLiteral(" S.\"comzip\",S.\"comaddr\",S.\"comaddr1\",S.\"dmsource\","),
    QStringLiteral(
        " S.\"group\", S.\"meetday\", S.\"birthday\", S.\"bthmonth\", S.\"bthday\", S.\"uy\","),
    QStringLiteral(" S.\"handphone\", S.\"comfax\", S.\"homefax\", S.\"compart\", S.\"job\","),
    QStringLiteral(" S.\"highschool\", S.\"univ1\", S.\"univ2\", S.\"major\", S.\"tg\", S.\"cm\", "
                   "S.\"marryday\""),
    QStringLiteral(" from \"MAN.DB\" S"),
};
const QString kOrderLine = QStringLiteral(" order by S.\"name\", S.\"scancode\"");
const QString kBirthOrdinal = QStringLiteral("S.\"bthmonth\" * 100 + S.\"bthday\"");

class StatementBuilder {
public:
    StatementBuilder() { statement_.lines = kSelectLines; }

    // A condition of one line, or of several of which the first carries the joiner.
    void condition(const QStringList& lines) {
        const QString joiner =
            conditions_++ == 0 ? QStringLiteral(" where ") : QStringLiteral(" and ");
        statement_.lines.append(joiner + lines.first());
        statement_.lines.append(lines.mid(1));
    }
    void condition(const QString& line) { condition(QStringList{line}); }
    void param(const QString& name, const QVariant& value) {
        statement_.params.append({name, value});
    }

    // `S."<column>" like :<parameter>` with the typed text anywhere in the field.
    void contains(const char* column, const char* parameter, const QString& typed) {
        if (typed.isEmpty()) return;
        condition(QStringLiteral("S.\"%1\" like :%2")
                      .arg(QLatin1String(column), QLatin1String(parameter)));
        param(QLatin1String(parameter), containsPattern(typed));
    }
    void chosen(const char* column, const char* parameter, const QString& item) {
        if (item != kAll) contains(column, parameter, item);
    }
    // `S."<column>" <comparison> :<parameter>` with a whole date.
    void compare(const char* column, const char* comparison, const char* parameter,
                 const QDate& date) {
        condition(
            QStringLiteral("S.\"%1\" %2 :%3")
                .arg(QLatin1String(column), QLatin1String(comparison), QLatin1String(parameter)));
        param(QLatin1String(parameter), isoDate(date));
    }

    void refuse(const QString& message, const QString& field) {
        if (statement_.refusal.isEmpty()) {
            statement_.refusal = message;
            statement_.refusedField = field;
        }
    }

    PeopleStatement finish() {
        if (!statement_.ok()) {
            statement_.lines.clear();
            statement_.params.clear();
        } else {
            statement_.lines.append(kOrderLine);
        }
        return statement_;
    }

private:
    PeopleStatement statement_;
    int conditions_ = 0;
};

// A typed date of the search; refused with the date warning when it is not one.
std::optional<QDate> searchDate(StatementBuilder& builder, const QString& text,
                                const char* control) {
    const std::optional<QDate> date = parseDate(text);
    if (!date) builder.refuse(dateFormatWarning(), QLatin1String(control));
    return date;
}

// The birth ordinal within a range of days of the year.
QString ordinalCondition(const DayOfYearRange& range, const QString& fromParameter,
                         const QString& toParameter) {
    const QString lower = kBirthOrdinal + QStringLiteral(" >= :") + fromParameter;
    const QString upper = kBirthOrdinal + QStringLiteral(" <= :") + toParameter;
    return range.wraps ? u'(' + lower + QStringLiteral(" or ") + upper + u')'
                       : lower + QStringLiteral(" and ") + upper;
}

void addAreaConditions(StatementBuilder& builder, const PeopleSearchInput& input) {
    builder.chosen("gubun", "gubun", input.gubun);
    builder.contains("name", "name", input.name);
    builder.chosen("compart", "compart", input.compart);
    builder.contains("homeaddr", "loca", input.loca);
    builder.chosen("cargubun", "cargubun", input.cargubun);
}

void addBirthdayRange(StatementBuilder& builder, const QDate& from, const QDate& to) {
    const DayOfYearRange solar = solarBirthdayRange(from, to);
    const std::optional<DayOfYearRange> lunar = lunarBirthdayRange(from, to);
    if (!lunar) {
        builder.refuse(lunarRangeRefusal(), QStringLiteral("EDday1"));
        return;
    }
    // One term of the statement: the joiner on a line of its own, then the
    // solar and the lunar birthdays in one pair of parentheses.
    builder.condition(
        QStringList{QStringLiteral("("),
                    QStringLiteral("(S.\"uy\" = \"Y\" and S.\"bthmonth\" >= 1 and ") +
                        ordinalCondition(solar, QStringLiteral("bth1"), QStringLiteral("bth2")) +
                        QStringLiteral(") or "),
                    QStringLiteral("(S.\"uy\" = \"U\" and S.\"bthmonth\" >= 1 and ") +
                        ordinalCondition(*lunar, QStringLiteral("lun1"), QStringLiteral("lun2")) +
                        QStringLiteral(")"),
                    QStringLiteral(")")});
    builder.param(QStringLiteral("bth1"), solar.from);
    builder.param(QStringLiteral("bth2"), solar.to);
    builder.param(QStringLiteral("lun1"), lunar->from);
    builder.param(QStringLiteral("lun2"), lunar->to);
}

}  // namespace

QVariant PeopleStatement::param(const QString& name) const {
    for (const auto& [key, value] : params) {
        if (key == name) return value;
    }
    return {};
}

void PeopleStatement::applyTo(Query& query) const {
    query.close();
    query.clear();
    query.clearParams();
    for (const QString& line : lines)
        query.add(line);
    for (const auto& [name, value] : params)
        query.setParam(name, value);
}

QString lunarRangeRefusal() {
    return QStringLiteral("음력 생일은 %1부터 %2까지의 날짜로 찾을 수 있습니다 ...!")
        .arg(isoDate(lunarTableFirstDay()), isoDate(lunarTableLastDay()));
}

PeopleStatement buildPeopleSearch(const PeopleSearchInput& input) {
    StatementBuilder builder;
    addAreaConditions(builder, input);
    // One bound alone searches that one day.
    const QString text1 = input.day1.trimmed().isEmpty() ? input.day2 : input.day1;
    const QString text2 = input.day2.trimmed().isEmpty() ? input.day1 : input.day2;
    if (!text1.trimmed().isEmpty()) {
        const std::optional<QDate> from = searchDate(builder, text1, "EDday1");
        const std::optional<QDate> to = searchDate(builder, text2, "EDday2");
        if (from && to) {
            if (input.dateKind == PeopleDateKind::Birthday) {
                addBirthdayRange(builder, *from, *to);
            } else {
                builder.compare("marryday", ">=", "marry1", *from);
                builder.compare("marryday", "<=", "marry2", *to);
            }
        }
    }
    if (input.withExtra) {
        builder.contains("comname", "comname", input.comname);
        builder.contains("comaddr", "comaddr", input.comaddr);
        builder.contains("buse", "buse", input.buse);
        builder.contains("grade", "grade", input.grade);
        builder.contains("job", "job", input.job);
        builder.contains("highschool", "highschool", input.highschool);
        builder.contains("univ1", "univ1", input.univ1);
        builder.contains("univ2", "univ2", input.univ2);
        builder.contains("tg", "tg", input.tg);
        builder.contains("cm", "cm", input.cm);
        builder.contains("major", "major", input.major);
        builder.contains("name1", "name1", input.name1);
        if (!input.guipday1.trimmed().isEmpty()) {
            if (const auto day = searchDate(builder, input.guipday1, "EDguipday1"))
                builder.compare("guipday", ">=", "guip1", *day);
        }
        if (!input.guipday2.trimmed().isEmpty()) {
            if (const auto day = searchDate(builder, input.guipday2, "EDguipday2"))
                builder.compare("guipday", "<=", "guip2", *day);
        }
    }
    return builder.finish();
}

PeopleStatement buildAnniversaryCandidates(const PeopleSearchInput& input) {
    StatementBuilder builder;
    addAreaConditions(builder, input);
    builder.condition(QStringLiteral("(S.\"bthmonth\" >= 1 or S.\"marryday\" <> \"\")"));
    return builder.finish();
}
