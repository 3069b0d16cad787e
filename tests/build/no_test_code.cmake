# Installs the program into a fresh prefix and fails if the installed binary needs Qt Test
# or carries test code (the replayed random source, Qt Test's event helpers), or if the
# program's link line names Qt Test at all: the linker drops unused libraries here
# (--as-needed), which would hide a Qt Test that a toolchain without it keeps. Test helpers
# belong to platform_testing, which only tests and benchmarks link.
#   cmake -DBUILD_DIR=<build> -DBINARY=<built tarnwick> -DWORK_DIR=<scratch>
#         -DREADELF=<readelf> -DNM=<nm> -P no_test_code.cmake
file(RELATIVE_PATH built ${BUILD_DIR} ${BINARY})
if(EXISTS ${BUILD_DIR}/build.ninja)
  file(READ ${BUILD_DIR}/build.ninja ninja)
  string(FIND "${ninja}" "\nbuild ${built}: " at)
  if(at EQUAL -1)
    message(FATAL_ERROR "no link step for ${built} in build.ninja")
  endif()
  string(SUBSTRING "${ninja}" ${at} -1 link)
  string(FIND "${link}" "\n\n" end)
  string(SUBSTRING "${link}" 0 ${end} link)
  if(link MATCHES "libQt6Test")
    message(FATAL_ERROR "${built} links libQt6Test")
  endif()
endif()

set(prefix ${WORK_DIR}/prefix)
file(REMOVE_RECURSE ${prefix})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix}
  RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${rc})")
endif()
file(GLOB_RECURSE binary ${prefix}/*/tarnwick)
if(NOT binary)
  message(FATAL_ERROR "no tarnwick under ${prefix}")
endif()

execute_process(COMMAND ${READELF} -d ${binary} OUTPUT_VARIABLE dynamic RESULT_VARIABLE rc)
if(NOT rc EQUAL 0 OR NOT dynamic MATCHES "NEEDED")
  message(FATAL_ERROR "readelf -d ${binary} gave no dynamic section")
endif()
if(dynamic MATCHES "NEEDED[^\n]*libQt6Test")
  message(FATAL_ERROR "${binary} needs libQt6Test")
endif()

# A stripped binary would list nothing and pass for the wrong reason: Rnd must be there.
execute_process(COMMAND ${NM} -C ${binary} OUTPUT_VARIABLE symbols RESULT_VARIABLE rc)
if(NOT rc EQUAL 0 OR NOT symbols MATCHES "Rnd\\(\\)")
  message(FATAL_ERROR "nm -C ${binary} lists no Rnd(): cannot tell what it carries")
endif()
foreach(test_code ReplayRandom "QTest::")
  if(symbols MATCHES "${test_code}")
    message(FATAL_ERROR "${binary} carries ${test_code}")
  endif()
endforeach()
file(REMOVE_RECURSE ${prefix})
