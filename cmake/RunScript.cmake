# Runs one driver script on a fresh copy of the default game folder and
# compares its output (and exit status) with SCRIPT's ".expected" file.
# The expected file's first line may be "# exit N" (default 0).
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(COPY ${GAMEDATA}/ DESTINATION ${WORK}/game)
get_filename_component(dir ${SCRIPT} DIRECTORY)
get_filename_component(stem ${SCRIPT} NAME_WE)
set(expected_file ${dir}/${stem}.expected)
file(READ ${expected_file} expected)
set(want_exit 0)
if(expected MATCHES "^# exit ([0-9]+)\n")
  set(want_exit ${CMAKE_MATCH_1})
  string(REGEX REPLACE "^# exit [0-9]+\n" "" expected "${expected}")
endif()
execute_process(
  COMMAND ${DRIVER} --game-folder ${WORK}/game --system-folder ${WORK}/system --decimal-separator , ${SCRIPT}
  OUTPUT_VARIABLE actual ERROR_VARIABLE err RESULT_VARIABLE rc)
if(NOT rc STREQUAL want_exit)
  message(FATAL_ERROR "exit status ${rc}, expected ${want_exit}\n${err}\n--- output ---\n${actual}")
endif()
if(NOT actual STREQUAL expected)
  file(WRITE ${WORK}/actual.txt "${actual}")
  message(FATAL_ERROR "output differs from ${expected_file}\n--- expected ---\n${expected}\n--- actual ---\n${actual}")
endif()
