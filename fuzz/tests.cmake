# Tests that build the fuzz targets with clang (in build/fuzz) and run each
# for a fixed number of inputs from its seed corpus, with a fixed seed, so a
# run is repeatable. Without clang they are left out.
option(QUARNEL_FUZZ "Build the fuzz targets with clang and run them briefly in the tests" ON)
if(NOT QUARNEL_FUZZ)
  return()
endif()
find_program(QUARNEL_CLANGXX NAMES clang++ clang++-14)
if(NOT QUARNEL_CLANGXX)
  message(STATUS "clang++ not found: the fuzz targets are not run")
  return()
endif()

# Target and inputs per run: a second or two each.
set(fuzz_runs cp949 100000 postal_file 10000 sql_dialect 25000 amount_words 150000
    dates 150000 legacy_readers 20000)
set(fuzz_binary ${CMAKE_BINARY_DIR}/fuzz)
set(fuzz_targets "")
foreach(index RANGE 0 10 2)
  list(GET fuzz_runs ${index} target)
  list(APPEND fuzz_targets ${target})
endforeach()
string(REPLACE ";" "\\;" fuzz_target_list "${fuzz_targets}")

add_test(NAME fuzz_build
         COMMAND ${CMAKE_COMMAND} -DSOURCE=${CMAKE_SOURCE_DIR}/fuzz -DBINARY=${fuzz_binary}
                 -DCOMPILER=${QUARNEL_CLANGXX} -DGENERATOR=${CMAKE_GENERATOR}
                 -DTARGETS=${fuzz_target_list} -P ${CMAKE_SOURCE_DIR}/fuzz/build.cmake)
set_tests_properties(fuzz_build PROPERTIES FIXTURES_SETUP fuzz_targets TIMEOUT 900)

foreach(index RANGE 0 10 2)
  math(EXPR runs_index "${index} + 1")
  list(GET fuzz_runs ${index} target)
  list(GET fuzz_runs ${runs_index} runs)
  add_test(NAME fuzz_${target}
           COMMAND ${fuzz_binary}/fuzz_${target} -runs=${runs} -seed=1 -max_len=4096
                   ${fuzz_binary}/found/${target} ${CMAKE_SOURCE_DIR}/fuzz/${target}/corpus)
  set_tests_properties(fuzz_${target} PROPERTIES FIXTURES_REQUIRED fuzz_targets TIMEOUT 300)
endforeach()
