# -DSLYDERS_FUZZ=ON (with clang) builds the fuzz targets of tests/fuzz: every reader of bytes
# from outside the game, driven by libFuzzer under AddressSanitizer and UBSan. Everything the
# targets link is instrumented; the toolkit parts are configured but never built.
option(SLYDERS_FUZZ "Build the libFuzzer targets of the readers of outside bytes (clang)" OFF)
if(SLYDERS_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "SLYDERS_FUZZ needs clang: configure with CC=clang CXX=clang++")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
