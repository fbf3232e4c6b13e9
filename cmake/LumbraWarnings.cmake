# Every target of the project compiles with the same strict warnings.
function(lumbra_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
endfunction()
