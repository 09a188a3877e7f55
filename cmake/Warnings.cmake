# Warnings for our own targets; third-party headers are included as SYSTEM.
function(vexhop_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  if(VEXHOP_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
