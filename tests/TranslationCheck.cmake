# Every text of each translation is translated: lrelease, run on the .ts
# files as the build runs it, reports no unfinished or untranslated entry.
# Arguments: -DLRELEASE=<lrelease> -DOUTPUT_DIR=<scratch directory> -DTS_FILES=<a;b>
foreach(ts ${TS_FILES})
  get_filename_component(name ${ts} NAME_WE)
  execute_process(COMMAND ${LRELEASE} ${ts} -qm ${OUTPUT_DIR}/${name}.qm
                  OUTPUT_VARIABLE output ERROR_VARIABLE output RESULT_VARIABLE status)
  message(STATUS "${name}: ${output}")
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${ts}: lrelease failed (${status})")
  endif()
  if(NOT output MATCHES "Generated ([0-9]+) translation\\(s\\) \\(([0-9]+) finished and 0 unfinished\\)")
    message(FATAL_ERROR "${ts}: unfinished translations")
  endif()
  if(NOT CMAKE_MATCH_1 EQUAL CMAKE_MATCH_2 OR CMAKE_MATCH_1 EQUAL 0)
    message(FATAL_ERROR "${ts}: ${CMAKE_MATCH_2} of ${CMAKE_MATCH_1} translations finished")
  endif()
  if(output MATCHES "[Ii]gnored|untranslated")
    message(FATAL_ERROR "${ts}: untranslated texts")
  endif()
endforeach()
