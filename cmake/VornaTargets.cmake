# One static library per source folder, one test binary per test folder.

# vorna_library(NAME <target> [QT <components>...] DEPS <targets>...)
# Takes every .cpp/.h/.ui of the calling folder.
function(vorna_library)
  cmake_parse_arguments(ARG "" "NAME" "DEPS" ${ARGN})
  file(GLOB _src CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h
       ${CMAKE_CURRENT_SOURCE_DIR}/*.ui)
  add_library(${ARG_NAME} STATIC ${_src})
  target_include_directories(${ARG_NAME} PUBLIC ${CMAKE_SOURCE_DIR}/src)
  target_link_libraries(${ARG_NAME} PUBLIC ${ARG_DEPS})
  vorna_precompile(${ARG_NAME})
endfunction()

# Precompiled standard and Qt headers keep a clean build quick on two cores.
# Every target reuses one of two shared precompiled headers: one per target
# would cost a quarter of a gigabyte each.
set(VORNA_PCH_CORE <string> <vector> <map> <memory> <optional> <functional> <QString> <QStringList>)
function(vorna_pch_donor name)
  if(TARGET ${name})
    return()
  endif()
  file(WRITE ${CMAKE_BINARY_DIR}/${name}.cpp "// holds the shared precompiled header\n")
  add_library(${name} OBJECT ${CMAKE_BINARY_DIR}/${name}.cpp)
  set(_headers ${VORNA_PCH_CORE})
  if(name STREQUAL "vorna_pch_widgets")
    target_link_libraries(${name} PRIVATE Qt6::Widgets)
    list(APPEND _headers <QtWidgets>)
  else()
    target_link_libraries(${name} PRIVATE Qt6::Core)
  endif()
  set_target_properties(${name} PROPERTIES AUTOMOC OFF AUTOUIC OFF POSITION_INDEPENDENT_CODE ON)
  target_precompile_headers(${name} PRIVATE ${_headers})
endfunction()

function(vorna_precompile target)
  get_target_property(_libs ${target} LINK_LIBRARIES)
  if(_libs MATCHES "Qt6::Widgets|vorna_(controls|dialogs|desktop|report|common|shell|registries|clients|documents|health|admin|menu_batch|windows|test_support)")
    set(_donor vorna_pch_widgets)
  else()
    set(_donor vorna_pch_core)
  endif()
  vorna_pch_donor(${_donor})
  set_target_properties(${target} PROPERTIES POSITION_INDEPENDENT_CODE ON)
  target_precompile_headers(${target} REUSE_FROM ${_donor})
endfunction()

# vorna_test(NAME <binary> DEPS <targets>...)
# Takes every .cpp of the calling folder; runs under the offscreen platform.
function(vorna_test)
  cmake_parse_arguments(ARG "" "NAME" "DEPS" ${ARGN})
  file(GLOB _src CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  add_executable(${ARG_NAME} ${_src})
  target_link_libraries(${ARG_NAME} PRIVATE ${ARG_DEPS} GTest::gtest GTest::gmock)
  if(NOT _src MATCHES "main.cpp")
    target_link_libraries(${ARG_NAME} PRIVATE GTest::gtest_main)
  endif()
  target_compile_definitions(${ARG_NAME} PRIVATE
      VORNA_SOURCE_DIR="${CMAKE_SOURCE_DIR}" VORNA_TEST_BINARY)
  vorna_precompile(${ARG_NAME})
  # The suites of ScreenshotTest.cpp only write pictures for a person to look
  # at: they run as a test of their own, labelled "screenshot", which the test
  # run leaves out.
  set(_screens)
  if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/ScreenshotTest.cpp)
    file(STRINGS ${CMAKE_CURRENT_SOURCE_DIR}/ScreenshotTest.cpp _lines REGEX "^TEST(_F)?\\(")
    foreach(line ${_lines})
      string(REGEX REPLACE "^TEST(_F)?\\(([A-Za-z0-9_]+),.*" "\\2.*" _suite "${line}")
      list(APPEND _screens ${_suite})
    endforeach()
    list(REMOVE_DUPLICATES _screens)
    list(JOIN _screens ":" _screens)
  endif()
  set(_env "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8;${VORNA_SANITIZER_ENV}")
  if(_screens)
    add_test(NAME ${ARG_NAME} COMMAND ${ARG_NAME} --gtest_filter=-${_screens})
    add_test(NAME ${ARG_NAME}_screenshots COMMAND ${ARG_NAME} --gtest_filter=${_screens})
    set_tests_properties(${ARG_NAME}_screenshots PROPERTIES
        ENVIRONMENT "${_env}" TIMEOUT 600 LABELS screenshot)
  else()
    add_test(NAME ${ARG_NAME} COMMAND ${ARG_NAME})
  endif()
  set_tests_properties(${ARG_NAME} PROPERTIES ENVIRONMENT "${_env}" TIMEOUT 600)
endfunction()

# Under the sanitizers any report ends the test with a failure. Leak reports are
# off: Qt's plugins, fontconfig and the offscreen platform keep allocations to
# the end of the process that LeakSanitizer counts as leaks, none of them ours;
# a suppression list for them would name library internals that change with
# each Qt release. Use-after-free, overflows and undefined behaviour still fail.
if(VORNA_SANITIZE)
  set(VORNA_SANITIZER_ENV
      "ASAN_OPTIONS=detect_leaks=0:halt_on_error=1:detect_stack_use_after_return=0"
      "UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1")
endif()
