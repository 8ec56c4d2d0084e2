# GoogleTest is built from its sources with the tests, so that the Windows
# tests get a Windows build of it. GOOGLETEST_SOURCE_DIR names another copy.
find_path(GOOGLETEST_SOURCE_DIR googletest/include/gtest/gtest.h
  PATHS /usr/src/googletest NO_CMAKE_FIND_ROOT_PATH)
if(NOT GOOGLETEST_SOURCE_DIR)
  message(FATAL_ERROR "GoogleTest sources not found: install the googletest package or set GOOGLETEST_SOURCE_DIR")
endif()
set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(${GOOGLETEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
# Its own sources are not held to our warnings.
if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  target_compile_options(gtest PRIVATE -w)
  target_compile_options(gtest_main PRIVATE -w)
endif()
