# Fails when `korvel --help` and the manual page list different options.
# cmake -DKORVEL=<program> -DMAN_PAGE=<korvel.1> -P man_page_options.cmake

# --help: the option column of each line under "Options:", e.g. "  -h, --help     Displays ...".
execute_process(COMMAND ${KORVEL} --help OUTPUT_VARIABLE help RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "korvel --help failed: ${status}")
endif()
string(REGEX MATCH "\nOptions:\n(.*)" options_block "${help}")
string(REGEX REPLACE "\n\n.*" "" options_block "${CMAKE_MATCH_1}")
string(REGEX MATCHALL "\n  -[^\n]*" help_lines "\n${options_block}")
set(help_options)
foreach(line IN LISTS help_lines)
  string(REGEX REPLACE "^\n  (([^ ]| [^ ])+).*" "\\1" column "${line}")
  string(REGEX MATCHALL "--?[a-z][a-z-]*" names "${column}")
  list(APPEND help_options ${names})
endforeach()

# The manual page: the line after each .TP in the OPTIONS section, e.g. '.BR \-h ", " \-\-help'.
file(READ ${MAN_PAGE} man)
string(REGEX MATCH "\n\\.SH OPTIONS\n(.*)" options_section "${man}")
string(REGEX REPLACE "\n\\.SH .*" "" options_section "${CMAKE_MATCH_1}")
string(REPLACE "\\-" "-" options_section "${options_section}")
string(REGEX MATCHALL "\\.TP\n[^\n]*" man_entries "${options_section}")
set(man_options)
foreach(entry IN LISTS man_entries)
  string(REGEX MATCHALL "--?[a-z][a-z-]*" names "${entry}")
  list(APPEND man_options ${names})
endforeach()

list(SORT help_options)
list(SORT man_options)
if(NOT help_options)
  message(FATAL_ERROR "No options found in korvel --help:\n${help}")
endif()
if(NOT help_options STREQUAL man_options)
  message(FATAL_ERROR "korvel --help lists ${help_options}\nbut ${MAN_PAGE} lists ${man_options}")
endif()
message(STATUS "Both list ${help_options}")
