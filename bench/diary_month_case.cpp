// The office diary (큰달력): one month page read with the owner of every
// entry (a reminder's listing, found by its key), as the diary shows it, and
// the main window's count of today's and tomorrow's entries. The store gets
// the two payment-day reminders of every fifth listing, spread over ten
// years, before the first run; SQLite alone runs the same join and count.

#include "bench/bench_case.h"
#include "bench/raw_statement.h"
#include "data/database.h"
#include "tools/diary_entries.h"
#include "tools/diary_month_layout.h"

#include <QDate>

#include <cstdio>

namespace {
const QDate kFirstDay(2020, 1, 1);
constexpr int kDays = 3650;
const QDate kMonth(2024, 5, 1);

// Two reminders for every fifth listing, on days spread over ten years.
int addReminders(sqlite3* handle) {
    runRaw(handle, "BEGIN IMMEDIATE");
    RawStatement listings(handle, QStringLiteral("SELECT scancode FROM budong ORDER BY scancode"));
    RawStatement insert(handle,
                        QStringLiteral("INSERT OR IGNORE INTO diary1 (scancode, day1, remark, "
                                       "memo1) VALUES (?1, ?2, ?3, ?4)"));
    int added = 0;
    for (int n = 0; listings.step(); ++n) {
        if (n % 5 != 0) continue;
        const QString number = QString::fromUtf8(
            reinterpret_cast<const char*>(sqlite3_column_text(listings.get(), 0)));
        for (const char* suffix : {"M", "L"}) {
            const QDate day = kFirstDay.addDays((n * 7 + (suffix[0] == 'L' ? 30 : 0)) % kDays);
            insert.bind(1, number + QLatin1String(suffix));
            insert.bind(2, day.toString(Qt::ISODate));
            insert.bind(3, suffix[0] == 'M' ? QStringLiteral("중도금") : QStringLiteral("잔금"));
            insert.bind(4, QStringLiteral("매매  아파트"));
            insert.step();
            insert.reset();
            ++added;
        }
    }
    runRaw(handle, "COMMIT");
    return added;
}

int monthRaw(sqlite3* handle, const QString& from, const QString& to) {
    RawStatement query(
        handle, QStringLiteral("SELECT d.scancode, d.day1, d.remark, d.memo1, b.scancode FROM "
                               "diary1 d LEFT JOIN budong b ON b.scancode = substr(d.scancode, "
                               "1, length(d.scancode) - 1) AND substr(d.scancode, "
                               "length(d.scancode), 1) IN ('M', 'L') WHERE d.day1 >= ?1 AND "
                               "d.day1 <= ?2 ORDER BY d.day1, d.remark, d.scancode"));
    query.bind(1, from);
    query.bind(2, to);
    int rows = 0;
    while (query.step())
        ++rows;
    return rows;
}

bool runDiaryMonth(Database& database, const BenchOptions& options) {
    sqlite3* handle = database.handle();
    const int reminders = addReminders(handle);
    const QDate first = firstShownDay(kMonth.year(), kMonth.month());
    const QString from = first.toString(Qt::ISODate);
    const QString to =
        first.addDays(weeksShown(kMonth.year(), kMonth.month()) * 7 - 1).toString(Qt::ISODate);
    std::vector<double> app;
    std::vector<double> raw;
    std::vector<double> notice;
    int appRows = 0;
    int rawRows = 0;
    for (int i = 0; i <= options.repeat; ++i) {  // the first run warms the cache
        QElapsedTimer timer;
        timer.start();
        appRows = static_cast<int>(diaryEntriesBetween(from, to).size());
        const double appMs = elapsedMs(timer);
        timer.restart();
        rawRows = monthRaw(handle, from, to);
        const double rawMs = elapsedMs(timer);
        timer.restart();
        diaryDayNotice(kMonth.addDays(14));
        const double noticeMs = elapsedMs(timer);
        if (i == 0) continue;
        app.push_back(appMs);
        raw.push_back(rawMs);
        notice.push_back(noticeMs);
    }
    printCaseLine(QStringLiteral("diary_month"), appRows, median(app), median(raw));
    std::printf("#   diary rows=%d, main window notice %.3f ms\n", reminders, median(notice));
    if (appRows != rawRows)
        std::printf("# diary_month: the program and SQLite read different rows\n");
    return appRows == rawRows;
}
}  // namespace

void addDiaryMonthCase(BenchCases& cases) {
    cases.push_back({QStringLiteral("diary_month"), runDiaryMonth});
}
