# Run by the test "fuzz_build": configures and builds the fuzz targets with
# clang in their own build folder, and empties the folders where a run keeps
# the inputs it finds, so that every test run starts from the seed corpus.
#   cmake -DSOURCE=<fuzz folder> -DBINARY=<build folder> -DCOMPILER=<clang++>
#         -DGENERATOR=<generator> -DTARGETS=<names> -P build.cmake
execute_process(
  COMMAND ${CMAKE_COMMAND} -S ${SOURCE} -B ${BINARY} -G ${GENERATOR}
          -DCMAKE_CXX_COMPILER=${COMPILER} -DCMAKE_BUILD_TYPE=Debug
  RESULT_VARIABLE configured)
if(NOT configured EQUAL 0)
  message(FATAL_ERROR "the fuzz targets cannot be configured")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} --build ${BINARY} -j 2 RESULT_VARIABLE built)
if(NOT built EQUAL 0)
  message(FATAL_ERROR "the fuzz targets do not build")
endif()
foreach(target IN LISTS TARGETS)
  file(REMOVE_RECURSE ${BINARY}/found/${target})
  file(MAKE_DIRECTORY ${BINARY}/found/${target})
endforeach()
