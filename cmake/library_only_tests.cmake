# The library's own suites for a QELVANE_LIBRARY_ONLY build. A cross build
# compiles GoogleTest from Debian's sources with its own compiler.
if(NOT QELVANE_BUILD_TESTS)
  return()
endif()
enable_testing()
if(CMAKE_CROSSCOMPILING)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  # Its own CMake files name the targets GTest::gtest and GTest::gmock.
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
else()
  find_package(GTest REQUIRED)
endif()
include(GoogleTest)
add_subdirectory(tests)
