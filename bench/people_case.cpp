// The people directory (인명부 관리) on a generated directory of one Person
// per ten listings (at least 1,000): the list opened with every Person, a
// birthday range across the year's end for solar and lunar birthdays, the
// birthdays and anniversaries of the next 30 days, and "DM" of every Person
// into the mail-out table. The program's path is the directory's own: the
// statement, the query read whole into Persons and closed, the dates that
// come next; SQLite alone steps the same statement reading every column, and
// for the mail-out one INSERT … SELECT.

#include "bench/bench_case.h"
#include "bench/raw_statement.h"
#include "data/database.h"
#include "data/query.h"
#include "people/mail_out.h"
#include "people/next_birthday.h"
#include "people/people_search.h"
#include "people/person_record.h"

#include <QDate>
#include <QRandomGenerator>

#include <cstdio>
#include <cstdlib>

namespace {

const QDate kToday(2026, 12, 8);

int directorySize(const BenchOptions& options) {
    return std::max(1000, options.listings / 10);
}

// Persons with Korean names, addresses and dates: half of them with a
// birthday (solar or lunar), a third with a wedding day. The same Persons
// for the same count.
void fillPeople(sqlite3* handle, int count) {
    RawStatement existing(handle, QStringLiteral("SELECT count(*) FROM man"));
    existing.step();
    if (sqlite3_column_int(existing.get(), 0) >= count) return;
    static const char* const families[] = {"김", "이", "박", "최", "정",
                                           "강", "조", "윤", "장", "임"};
    static const char* const givens[] = {"민수", "영희", "철수", "지우",
                                         "서연", "도윤", "하은", "준호"};
    static const char* const towns[] = {"서울시 강남구 역삼동", "부산시 해운대구 우동",
                                        "성남시 분당구 정자동", "대전시 서구 둔산동"};
    static const char* const relations[] = {"고객", "친구", "친척", "거래처"};
    QRandomGenerator random(7);
    runRaw(handle, "BEGIN IMMEDIATE");
    RawStatement insert(
        handle, QStringLiteral("INSERT INTO man (Scancode, Name, Gubun, Homeaddr, Homeaddr1, "
                               "homezip, Comaddr, Hometel, birthday, bthMonth, bthDay, uy, "
                               "marryday, dmsource, Remark) VALUES (?1, ?2, ?3, ?4, ?5, ?6, "
                               "?7, ?8, ?9, ?10, ?11, ?12, ?13, '자택', ?14)"));
    for (int i = 0; i < count; ++i) {
        const int month = random.bounded(1, 13);
        const int day = random.bounded(1, 29);
        const bool born = random.bounded(2) == 0;
        insert.bind(1, QStringLiteral("P%1").arg(i, 7, 10, QLatin1Char('0')));
        insert.bind(2, QString::fromUtf8(families[random.bounded(10)]) +
                           QString::fromUtf8(givens[random.bounded(8)]));
        insert.bind(3, QString::fromUtf8(relations[random.bounded(4)]));
        insert.bind(4, QString::fromUtf8(towns[random.bounded(4)]));
        insert.bind(5,
                    QStringLiteral("%1-%2").arg(random.bounded(1, 999)).arg(random.bounded(1, 99)));
        insert.bind(6, QStringLiteral("%1").arg(random.bounded(10000, 99999)));
        insert.bind(7, QString::fromUtf8(towns[random.bounded(4)]));
        insert.bind(8, QStringLiteral("02-%1-%2")
                           .arg(random.bounded(200, 999))
                           .arg(random.bounded(1000, 9999)));
        insert.bind(9, born ? QStringLiteral("19%1-%2-%3")
                                  .arg(random.bounded(40, 99))
                                  .arg(month, 2, 10, QLatin1Char('0'))
                                  .arg(day, 2, 10, QLatin1Char('0'))
                            : QString());
        insert.bind(10, born ? QVariant(month) : QVariant());
        insert.bind(11, born ? QVariant(day) : QVariant());
        insert.bind(12, random.bounded(2) ? QStringLiteral("U") : QStringLiteral("Y"));
        insert.bind(13, i % 3 == 0
                            ? QStringLiteral("1998-%1-10").arg(month, 2, 10, QLatin1Char('0'))
                            : QString());
        insert.bind(14, QStringLiteral("메모 %1").arg(i));
        insert.step();
        insert.reset();
    }
    runRaw(handle, "COMMIT");
}

// The directory's path: the statement read whole into Persons, closed.
std::vector<PersonRecord> readPeople(const PeopleStatement& statement) {
    Query query;
    statement.applyTo(query);
    query.open();
    std::vector<PersonRecord> people;
    for (query.first(); !query.eof(); query.next())
        people.push_back(personFromQuery(query));
    query.close();
    return people;
}

// SQLite alone: the same statement stepped, every column read; the rows.
int stepRaw(sqlite3* handle, const PeopleStatement& statement) {
    Query query;
    statement.applyTo(query);
    const TranslatedSql sql = query.translated();
    RawStatement select(handle, sql.sql);
    for (int i = 0; i < sql.parameters.size(); ++i)
        select.bind(i + 1, query.param(sql.parameters[i]));
    int rows = 0;
    qint64 bytes = 0;
    while (select.step()) {
        ++rows;
        for (int column = 0; column < sqlite3_column_count(select.get()); ++column) {
            sqlite3_column_text(select.get(), column);
            bytes += sqlite3_column_bytes(select.get(), column);
        }
    }
    if (bytes < 0) std::abort();
    return rows;
}

struct Timed {
    double ms = 0;
    int rows = 0;
};

template <typename Path>
Timed timed(Path&& path) {
    QElapsedTimer timer;
    timer.start();
    const int rows = path();
    return {elapsedMs(timer), rows};
}

// Times both paths `repeat` times after one unmeasured run; prints the case
// line and whether they agreed on the rows.
template <typename App, typename Raw>
bool compare(const QString& name, const BenchOptions& options, App&& app, Raw&& raw) {
    app();
    std::vector<double> appMs;
    std::vector<double> rawMs;
    int appRows = 0;
    int rawRows = 0;
    for (int i = 0; i < options.repeat; ++i) {
        const Timed a = timed(app);
        const Timed r = timed(raw);
        appMs.push_back(a.ms);
        rawMs.push_back(r.ms);
        appRows = a.rows;
        rawRows = r.rows;
    }
    printCaseLine(name, appRows, median(appMs), median(rawMs));
    if (appRows == rawRows) return true;
    std::printf("# %s: the program had %d rows, SQLite %d\n", qPrintable(name), appRows, rawRows);
    return false;
}

bool runPeople(Database& database, const BenchOptions& options) {
    sqlite3* handle = database.handle();
    fillPeople(handle, directorySize(options));
    const PeopleSearchInput everybody;
    PeopleSearchInput yearEnd;
    yearEnd.day1 = QStringLiteral("2026-12-20");
    yearEnd.day2 = QStringLiteral("2027-01-10");
    bool agreed = true;
    for (const auto& [name, input] :
         {std::pair{QStringLiteral("people_all"), everybody},
          std::pair{QStringLiteral("people_birthday_range"), yearEnd}}) {
        const PeopleStatement statement = buildPeopleSearch(input);
        agreed = compare(
                     name, options, [&] { return int(readPeople(statement).size()); },
                     [&] { return stepRaw(handle, statement); }) &&
                 agreed;
    }
    // The coming days: the candidates read, then their next dates; rows are
    // the candidates, which SQLite alone reads too.
    const PeopleStatement candidates = buildAnniversaryCandidates(everybody);
    size_t coming = 0;
    agreed = compare(
                 QStringLiteral("people_coming_30_days"), options,
                 [&] {
                     const std::vector<PersonRecord> people = readPeople(candidates);
                     coming = upcomingDays(people, kToday, 30).size();
                     return int(people.size());
                 },
                 [&] { return stepRaw(handle, candidates); }) &&
             agreed;
    if (options.detail) std::printf("#   coming_days=%zu\n", coming);
    // "DM" of every Person.
    const std::vector<PersonRecord> all = readPeople(buildPeopleSearch(everybody));
    QStringList columns = mailOutColumns();
    const QString list = columns.join(QStringLiteral(", "));
    agreed =
        compare(
            QStringLiteral("people_dm_all"), options,
            [&] {
                replaceMailOut(all);
                return int(all.size());
            },
            [&] {
                runRaw(handle, "BEGIN IMMEDIATE");
                runRaw(handle, "DELETE FROM xxx");
                RawStatement copy(handle, QStringLiteral("INSERT INTO xxx (%1) SELECT %1 FROM man "
                                                         "ORDER BY Name, Scancode")
                                              .arg(list));
                copy.step();
                const int rows = sqlite3_changes(handle);
                runRaw(handle, "COMMIT");
                return rows;
            }) &&
        agreed;
    return agreed;
}

}  // namespace

void addPeopleCases(BenchCases& cases) {
    cases.push_back({QStringLiteral("people"), runPeople});
}
