# GoogleTest: the installed package for a native build, else built from
# Debian's googletest sources (a cross build has no installed package).
find_package(GTest QUIET)
if(NOT GTest_FOUND OR CMAKE_CROSSCOMPILING)
  set(GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources")
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(${GOOGLETEST_SOURCE} googletest EXCLUDE_FROM_ALL)
  if(NOT TARGET GTest::gtest_main)
    add_library(GTest::gtest_main ALIAS gtest_main)
  endif()
endif()
