# -DSLYDERS_SANITIZE=ON builds everything with AddressSanitizer and UBSan.
option(SLYDERS_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(SLYDERS_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
