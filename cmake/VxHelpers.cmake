# Compiler settings shared by every target of the suite.
add_library(vx_warnings INTERFACE)
target_compile_options(vx_warnings INTERFACE -Wall -Wextra -Wpedantic -Wnon-virtual-dtor
  $<$<CXX_COMPILER_ID:GNU>:-Wshadow=local>
  $<$<CXX_COMPILER_ID:Clang>:-Wshadow-uncaptured-local>)
if(VX_WERROR)
  target_compile_options(vx_warnings INTERFACE -Werror)
endif()
if(VX_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

if(VX_FUZZ)
  # Everything is instrumented; programs other than the fuzz targets still link (and run) normally.
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined)
  add_link_options(-fsanitize=fuzzer-no-link,address,undefined)
endif()


# vx_library(NAME [STATIC|SHARED] SOURCES ... DEPS ... ALIAS ns::name)
function(vx_library name)
  cmake_parse_arguments(A "STATIC;SHARED" "ALIAS" "SOURCES;DEPS;PRIVATE_DEPS" ${ARGN})
  set(kind STATIC)
  if(A_SHARED)
    set(kind SHARED)
  endif()
  add_library(${name} ${kind} ${A_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${A_DEPS} PRIVATE ${A_PRIVATE_DEPS} vx_warnings)
  if(A_ALIAS)
    add_library(${A_ALIAS} ALIAS ${name})
  endif()
endfunction()

# vx_test(NAME SOURCES ... DEPS ... [QT]) - one test executable under CTest.
# Each executable is one CTest entry; failures print with --output-on-failure.
function(vx_test name)
  cmake_parse_arguments(A "QT" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${A_SOURCES})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_link_libraries(${name} PRIVATE ${A_DEPS} vx_warnings)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/tests)
  if(A_QT)
    target_link_libraries(${name} PRIVATE Qt6::Test)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES ENVIRONMENT
      "QT_QPA_PLATFORM=offscreen;VX_BIN_DIR=${VX_BIN_DIR};VX_SOURCE_DIR=${PROJECT_SOURCE_DIR};LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/lsan.supp")
  else()
    target_link_libraries(${name} PRIVATE GTest::gtest GTest::gtest_main)
    # One CTest entry per binary: stable names, and one sanitizer start-up per binary instead of per case.
    add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
    set_tests_properties(${name} PROPERTIES ENVIRONMENT
      "VX_BIN_DIR=${VX_BIN_DIR};VX_SOURCE_DIR=${PROJECT_SOURCE_DIR};LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/lsan.supp")
  endif()
endfunction()

# vx_bench(NAME SOURCES ... DEPS ...)
function(vx_bench name)
  cmake_parse_arguments(A "" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${A_SOURCES})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
  target_link_libraries(${name} PRIVATE ${A_DEPS} benchmark::benchmark benchmark::benchmark_main vx_warnings)
endfunction()

# vx_fuzz(NAME SOURCES ... DEPS ...) - a libFuzzer target in the fuzz build (clang). In the test build
# the same sources become NAME_replay, which runs every input kept in fuzz/corpus/NAME (the seeds and the
# inputs that once found a fault) under the sanitizers, as one CTest entry.
function(vx_fuzz name)
  cmake_parse_arguments(A "" "" "SOURCES;DEPS" ${ARGN})
  if(VX_FUZZ)
    add_executable(${name} ${A_SOURCES})
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzz)
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_libraries(${name} PRIVATE ${A_DEPS})
  elseif(VX_TESTS)
    add_executable(${name}_replay ${A_SOURCES} ${PROJECT_SOURCE_DIR}/fuzz/ReplayMain.cpp)
    set_target_properties(${name}_replay PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests AUTOMOC OFF)
    target_link_libraries(${name}_replay PRIVATE ${A_DEPS})
    add_test(NAME ${name}_replay COMMAND ${name}_replay ${PROJECT_SOURCE_DIR}/fuzz/corpus/${name})
  endif()
endfunction()
