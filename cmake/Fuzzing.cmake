# libFuzzer build: cmake -DTRACKMILL_FUZZ=ON with clang. Every library is built with the fuzzer's coverage and with
# ASan and UBSan; the targets of tests/fuzz (the "fuzzers" target) link libFuzzer's driver.
option(TRACKMILL_FUZZ "Build the libFuzzer targets (clang only)" OFF)
if(TRACKMILL_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "TRACKMILL_FUZZ needs clang: -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
                      -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()
