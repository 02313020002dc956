#pragma once

#include <array>
#include <cstdint>
#include <span>

// One lunar year of the month table: its number, its length in days and the
// code of each of its twelve months:
//   1  a small month (29 days)           2  a big month (30 days)
//   3  small, then a small leap month    4  small, then a big leap month
//   5  big, then a small leap month      6  big, then a big leap month
// The leap month follows the month whose code it carries.
struct LunarYearCodes {
    int year;
    int days;
    std::array<std::uint8_t, 12> codes;
};

// The official Korean lunar month table, one row per lunar year from 1901 on,
// in order and without gaps. Compiled in from tools/lunar_months.csv; the
// build checks that every row adds up.
std::span<const LunarYearCodes> lunarMonthTable();
