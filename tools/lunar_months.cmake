# The lunar month table is compiled into the program: a source made from
# tools/lunar_months.csv at build time, so that the date conversion needs no
# file and no start-up step.
set(LUNAR_MONTHS_CSV ${CMAKE_SOURCE_DIR}/tools/lunar_months.csv)
set(LUNAR_MONTHS_SCRIPT ${CMAKE_SOURCE_DIR}/tools/lunar_months_generate.cmake)
set(LUNAR_MONTHS_CPP ${CMAKE_BINARY_DIR}/generated/tools/lunar_month_table.cpp)
add_custom_command(
  OUTPUT ${LUNAR_MONTHS_CPP}
  COMMAND ${CMAKE_COMMAND} -DINPUT=${LUNAR_MONTHS_CSV} -DOUTPUT=${LUNAR_MONTHS_CPP}
          -P ${LUNAR_MONTHS_SCRIPT}
  DEPENDS ${LUNAR_MONTHS_CSV} ${LUNAR_MONTHS_SCRIPT}
  COMMENT "Lunar month table from tools/lunar_months.csv"
  VERBATIM)
target_sources(quarnel_core PRIVATE ${LUNAR_MONTHS_CPP})
