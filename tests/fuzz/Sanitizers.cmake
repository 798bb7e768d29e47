# Everything built for fuzzing carries coverage instrumentation and the address and undefined-behaviour
# checks; undefined behaviour aborts, so libFuzzer keeps the input that caused it.
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  message(FATAL_ERROR "TOLVANE_FUZZ needs clang (libFuzzer)")
endif()
add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined
                    -fno-omit-frame-pointer)
add_link_options(-fsanitize=address,undefined)
