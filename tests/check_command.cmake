# Runs `korvel --check` as a user would, with no display to open: its exit codes and a line.
# cmake -DKORVEL=<program> -DWORK=<scratch folder> -P check_command.cmake
file(REMOVE_RECURSE ${WORK})
file(WRITE ${WORK}/site/clean.html
  "<img src=p.png width=10 height=10 usemap=#m><map name=m><area href=a alt=A coords=0,0,5,5></map>")
file(WRITE ${WORK}/site/sub/broken.htm "<map name=m>\n<area href=a alt=A coords=5,5,0 shape=circle></map>")

function(expect_check expected_status expected_output)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb
      ${KORVEL} --check ${ARGN}
    WORKING_DIRECTORY ${WORK} RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE error)
  if(NOT status STREQUAL expected_status OR NOT output STREQUAL expected_output)
    message(FATAL_ERROR "korvel --check ${ARGN} exited with ${status}, printing\n${output}${error}"
      "instead of ${expected_status}, printing\n${expected_output}")
  endif()
endfunction()

expect_check(0 "" site/clean.html)
expect_check(1 "site/sub/broken.htm:2:1: map \"m\", area 1: its radius is 0: browsers give it no pixel\n"
  site/clean.html site)
expect_check(2 "" site/clean.html missing.html)
message(STATUS "korvel --check answers as it should")
