# One static library per layer of src/. A layer links only the layers below
# it, so a call upwards fails to link:
#
#   base      messages to the user            QtCore
#   document  positions, values, rules        base, QtCore
#   storage   files of the working folder     document
#   report    the report engine (print/engine) storage, base, QtGui, QtWidgets,
#                                             QtPrintSupport; no document header
#   print     the six printed pages           report, document
#   export    JSON, CSV, the summary          storage, document
#   ui        the entry pages, message boxes  document, QtWidgets
#   app       start-up, window, command line  everything above
#
# tests/layers.cmake checks the #include lines against the same order.

option(IQX_WERROR "Treat compiler warnings as errors (./test and CI turn it on)" OFF)

# iqx_layer(<name> SOURCES <files...> LINKS <targets...>): the library
# iqx_<name> of the listed files, which links <targets> publicly.
function(iqx_layer name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "SOURCES;LINKS")
  add_library(iqx_${name} STATIC ${arg_SOURCES})
  target_include_directories(iqx_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(iqx_${name} PUBLIC ${arg_LINKS})
  iqx_warnings(iqx_${name})
endfunction()

# The project's warning flags on `target`.
function(iqx_warnings target)
  if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    target_compile_options(${target} PRIVATE -Wall -Wextra $<$<BOOL:${IQX_WERROR}>:-Werror>)
  endif()
endfunction()
