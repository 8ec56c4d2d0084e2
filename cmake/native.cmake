# The native build of the platform-independent core.
#   unit tests: every test program runs under AddressSanitizer (with leak
#     checking) and UndefinedBehaviorSanitizer; any report fails its test.
#   RADIOCONFIG_FUZZERS=ON (clang only): the libFuzzer harnesses of tests/fuzz,
#     with -fsanitize=fuzzer,address,undefined.
option(RADIOCONFIG_FUZZERS "Build the libFuzzer harnesses (clang) instead of the unit tests" OFF)

# OFF gives plain programs, such as a radiocfg for a bench computer.
option(RADIOCONFIG_SANITIZE "Build under AddressSanitizer and UndefinedBehaviorSanitizer" ON)

set(RADIOCONFIG_SANITIZERS address,undefined)
add_compile_options(-g -fno-omit-frame-pointer)
if(RADIOCONFIG_SANITIZE OR RADIOCONFIG_FUZZERS)
  add_compile_options(-fsanitize=${RADIOCONFIG_SANITIZERS} -fno-sanitize-recover=all)
  add_link_options(-fsanitize=${RADIOCONFIG_SANITIZERS})
endif()
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  # As in the Windows build, so that the Chinese texts are GBK here too.
  add_compile_options(-fexec-charset=GBK)
endif()

if(RADIOCONFIG_FUZZERS)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "The fuzzers need clang (libFuzzer): -DCMAKE_CXX_COMPILER=clang++")
  endif()
  # Coverage for libFuzzer on everything; the harnesses link its main.
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()

# Every sanitizer report ends the program with a failure.
set(RADIOCONFIG_SANITIZER_ENV
  "ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:strict_string_checks=1:detect_stack_use_after_return=1"
  "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1"
  "LSAN_OPTIONS=report_objects=1")
