# Records the demos listed in DEMOS into SET with krattle-cli record, and refuses any demo that
# does not end in the exit: the attract loop must never show Dravik failing.
file(STRINGS ${DEMOS} lines)
foreach(line IN LISTS lines)
  if(line MATCHES "^#" OR line STREQUAL "")
    continue()
  endif()
  if(NOT line MATCHES "^([A-T])([1-5]) +([^ ]+)$")
    message(FATAL_ERROR "${DEMOS}: cannot read '${line}'")
  endif()
  set(letter ${CMAKE_MATCH_1})
  math(EXPR level "${CMAKE_MATCH_2} - 1")
  set(moves ${CMAKE_MATCH_3})
  string(FIND "ABCDEFGHIJKLMNOPQRST" ${letter} cave)
  execute_process(
    COMMAND ${CLI} record ${SET} --cave ${cave} --level ${level} --input ${moves}
    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status EQUAL 0 OR NOT out MATCHES "^end exit")
    message(FATAL_ERROR "demo of cave ${letter} did not reach the exit: ${out}${err}")
  endif()
endforeach()
