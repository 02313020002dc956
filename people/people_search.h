#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <utility>

class Query;

// The search of the people directory: the inputs of its search area (and of
// the panel of further conditions) turned into the statement of the list
// query, as data, so that the form and the tests run the very same statement.

enum class PeopleDateKind { Birthday, Anniversary };

struct PeopleSearchInput {
    // The drop-down lists; "전체" is no condition.
    QString gubun = QStringLiteral("전체");
    QString compart = QStringLiteral("전체");
    QString cargubun = QStringLiteral("전체");
    QString name;
    QString loca;
    PeopleDateKind dateKind = PeopleDateKind::Birthday;
    QString day1;  // the range, as typed dates; one alone searches that day
    QString day2;

    // The further conditions, read only when `withExtra` is set.
    bool withExtra = false;
    QString comname;
    QString comaddr;
    QString buse;
    QString grade;
    QString job;
    QString highschool;
    QString univ1;
    QString univ2;
    QString tg;
    QString cm;
    QString major;
    QString name1;
    QString guipday1;
    QString guipday2;
};

// A statement of the list query. When the inputs cannot be searched it has
// no lines, `refusal` holds the Korean sentence for the user and
// `refusedField` the name of the control to put the focus in.
struct PeopleStatement {
    QStringList lines;
    QList<std::pair<QString, QVariant>> params;
    QString refusal;
    QString refusedField;

    bool ok() const { return refusal.isEmpty(); }
    QVariant param(const QString& name) const;
    void applyTo(Query& query) const;
};

// The select list (every field of man.DB), one line per condition (the first
// joined by " where ", the others by " and "), and the order by name. Typed
// text is a bound `like` pattern. A birthday range compares month and day as
// one ordinal (people/birthday_range.h), solar birthdays with the solar
// bounds and lunar ones with their lunar dates; an anniversary range and the
// purchase dates compare the whole dates.
PeopleStatement buildPeopleSearch(const PeopleSearchInput& input);

// The Persons of the search area's conditions (the drop-down lists, name and
// region; no date range, no further conditions) who have a birthday or a
// wedding anniversary: those among whom the coming days are looked for.
PeopleStatement buildAnniversaryCandidates(const PeopleSearchInput& input);

// The warning for a birthday range that the lunar month table cannot take.
QString lunarRangeRefusal();
