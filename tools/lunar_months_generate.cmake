# Turns the lunar month table (tools/lunar_months.csv: "year,days,codes", one
# row per lunar year from 1901 on, the twelve month codes as one text) into a
# C++ source that holds it as constant data. Run at build time:
#   cmake -DINPUT=<csv> -DOUTPUT=<cpp> -P lunar_months_generate.cmake
# A row that does not add up (a code outside 1-6, more than one leap month,
# a year length that is not the sum of its months, a year missing) stops the
# build with the row named.
cmake_minimum_required(VERSION 3.21)

if(NOT INPUT OR NOT OUTPUT)
  message(FATAL_ERROR "lunar_months_generate.cmake needs -DINPUT=<csv> -DOUTPUT=<cpp>")
endif()

# Days of a month code: 1 small, 2 big, 3-6 a month followed by its leap month.
set(days_1 29)
set(days_2 30)
set(days_3 58)
set(days_4 59)
set(days_5 59)
set(days_6 60)

file(STRINGS "${INPUT}" lines ENCODING UTF-8)
list(LENGTH lines line_count)
if(line_count LESS 2)
  message(FATAL_ERROR "${INPUT}: no rows")
endif()
list(POP_FRONT lines header)
string(STRIP "${header}" header)
if(NOT header STREQUAL "year,days,codes")
  message(FATAL_ERROR "${INPUT}: the first line must be \"year,days,codes\", not \"${header}\"")
endif()

set(expected_year 1901)
set(rows "")
foreach(line IN LISTS lines)
  string(STRIP "${line}" line)
  if(line STREQUAL "")
    continue()
  endif()
  if(NOT line MATCHES "^([0-9][0-9][0-9][0-9]),([0-9][0-9][0-9]),([1-6][1-6][1-6][1-6][1-6][1-6][1-6][1-6][1-6][1-6][1-6][1-6])$")
    message(FATAL_ERROR "${INPUT}: row \"${line}\" is not year,days,twelve codes 1-6")
  endif()
  set(year ${CMAKE_MATCH_1})
  set(days ${CMAKE_MATCH_2})
  set(codes ${CMAKE_MATCH_3})
  if(NOT year EQUAL expected_year)
    message(FATAL_ERROR "${INPUT}: year ${expected_year} expected, found ${year}")
  endif()
  set(sum 0)
  set(leaps 0)
  set(code_list "")
  foreach(position RANGE 0 11)
    string(SUBSTRING "${codes}" ${position} 1 code)
    math(EXPR sum "${sum} + ${days_${code}}")
    if(code GREATER 2)
      math(EXPR leaps "${leaps} + 1")
    endif()
    list(APPEND code_list ${code})
  endforeach()
  if(NOT sum EQUAL days)
    message(FATAL_ERROR "${INPUT}: year ${year} has ${days} days, its months ${sum}")
  endif()
  if(leaps GREATER 1)
    message(FATAL_ERROR "${INPUT}: year ${year} has more than one leap month")
  endif()
  list(JOIN code_list ", " code_text)
  string(APPEND rows "    {${year}, ${days}, {${code_text}}},\n")
  math(EXPR expected_year "${year} + 1")
endforeach()

set(text "// Made at build time from tools/lunar_months.csv by tools/lunar_months_generate.cmake.
// Edit the table there, not here.

#include \"tools/lunar_month_table.h\"

namespace {
constexpr LunarYearCodes kYears[] = {
${rows}};
}  // namespace

std::span<const LunarYearCodes> lunarMonthTable() { return kYears; }
")

# Written only when it changed, so that a touched table that says the same
# thing does not rebuild what uses it.
if(EXISTS "${OUTPUT}")
  file(READ "${OUTPUT}" old)
  if(old STREQUAL text)
    return()
  endif()
endif()
file(WRITE "${OUTPUT}" "${text}")
