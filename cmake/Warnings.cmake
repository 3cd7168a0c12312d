# Our own code builds with every common warning, and a warning stops the build.
function(filter_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()
