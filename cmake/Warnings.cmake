# Warnings for our own targets; call tools_warnings(target) after defining one.
function(tools_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wno-unused-parameter)
endfunction()
