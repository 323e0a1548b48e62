# Warnings are on for everything we write, and kept clean.
function(slyders_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
endfunction()
