# quornel_layer(NAME "DIR;DIR..." DEPENDENCIES...)
# Builds every .cpp of the folders into the static library quornel_NAME. The platform
# split is by file name so that adding a file never needs an edit here.
function(quornel_layer name dirs)
  set(sources "")
  foreach(dir IN LISTS dirs)
    file(GLOB found CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.cpp)
    list(APPEND sources ${found})
  endforeach()
  if(WIN32)
    list(FILTER sources EXCLUDE REGEX "_posix\\.cpp$")
  else()
    list(FILTER sources EXCLUDE REGEX "_win32\\.cpp$")
  endif()
  if(sources)
    add_library(quornel_${name} STATIC ${sources})
    set(scope PUBLIC)
  else()
    add_library(quornel_${name} INTERFACE)
    set(scope INTERFACE)
  endif()
  target_include_directories(quornel_${name} ${scope} ${CMAKE_SOURCE_DIR}/src)
  foreach(dep IN LISTS ARGN)
    target_link_libraries(quornel_${name} ${scope} quornel_${dep})
  endforeach()
endfunction()

# quornel_test(NAME DIR LIBS...): one test executable per folder of tests/, so that a
# Wine run starts one process per suite rather than one per case.
function(quornel_test name dir)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.cpp)
  if(WIN32)
    list(FILTER sources EXCLUDE REGEX "_posix\\.cpp$")
  else()
    list(FILTER sources EXCLUDE REGEX "_win32\\.cpp$")
  endif()
  if(NOT sources)
    return()
  endif()
  add_executable(test_${name} ${sources})
  quornel_test_build(test_${name})
  target_link_libraries(test_${name} PRIVATE ${ARGN} quornel_testsupport GTest::gmock GTest::gtest_main)
  target_compile_definitions(test_${name} PRIVATE
    QUORNEL_SOURCE_DIR="${CMAKE_SOURCE_DIR}" QUORNEL_BINARY_DIR="${CMAKE_BINARY_DIR}")
  add_test(NAME ${name} COMMAND test_${name} --gtest_brief=1)
  set_tests_properties(${name} PROPERTIES TIMEOUT 600)
endfunction()

# quornel_test_build(TARGET): how test code is compiled, GoogleTest's own included.
# - Without optimisation, whatever the build type: test code runs for moments but takes
#   most of the compile time, and -O2 made it four times slower to compile. The program's
#   libraries keep the build type's flags, so the tests still run the code that ships.
# - A suite's files are joined into one translation unit (QUORNEL_UNITY_TESTS), so the
#   GoogleTest headers are read once per suite rather than once per file. Helpers in the
#   anonymous namespaces of one suite's files therefore need names of their own; a file
#   that cannot share gets
#     set_source_files_properties(DIR/FILE.cpp PROPERTIES SKIP_UNITY_BUILD_INCLUSION ON)
#   in tests/CMakeLists.txt, before its suite.
function(quornel_test_build target)
  if(NOT MSVC)
    target_compile_options(${target} PRIVATE -O0)
  endif()
  set_target_properties(${target} PROPERTIES
    UNITY_BUILD ${QUORNEL_UNITY_TESTS} UNITY_BUILD_MODE BATCH UNITY_BUILD_BATCH_SIZE 0)
endfunction()
