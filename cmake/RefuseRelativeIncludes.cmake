# Run by vestoria_refuse_relative_includes: fails, naming every offending line, when a source in
# LIST includes a path with ../; otherwise touches STAMP.
file(STRINGS ${LIST} sources)
set(offenders)
foreach(source IN LISTS sources)
  file(STRINGS ${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"][^>\"]*\\.\\./")
  foreach(include IN LISTS includes)
    string(STRIP "${include}" include)
    list(APPEND offenders "  ${source}: ${include}")
  endforeach()
endforeach()
if(offenders)
  list(JOIN offenders "\n" report)
  message(FATAL_ERROR "Includes reach another folder by a relative path, past the build's include "
                      "links; name the header from the source root instead:\n${report}")
endif()
file(TOUCH ${STAMP})
