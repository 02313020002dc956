// Reading typed dates, on any text.

#include "common/dates.h"
#include "fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text = QString::fromUtf8(bytesOf(data, size));
    const std::optional<QDate> date = parseDate(text);
    if (!date) return 0;
    require(date->isValid(), "a date read is a day that exists");
    const QString iso = isoDate(*date);
    require(!iso.isEmpty(), "a date read can be written");
    if (date->year() >= 1000 && date->year() <= 9999) {
        require(iso.size() == 10, "a four-digit year gives YYYY-MM-DD");
        require(parseDate(iso) == date, "a written date reads back as the same day");
    }
    require(date->day() <= daysInMonth(date->year(), date->month()),
            "the day lies within its month");
    return 0;
}
