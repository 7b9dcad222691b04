# Run by CPack on the staged tree before packing: strips the programs as
# Debian's own tools do (symbols, debug data, the compiler's .comment and
# .note sections).
file(GLOB programs "${CPACK_TEMPORARY_DIRECTORY}/usr/bin/*")
foreach(program ${programs})
  execute_process(COMMAND strip --remove-section=.comment --remove-section=.note --strip-unneeded ${program}
    RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "cannot strip ${program}")
  endif()
endforeach()
