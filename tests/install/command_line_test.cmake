# --help and --version print and exit without any display; an unknown option
# is an error.
function(run_zef expected_code output_var)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
                          --unset=QT_QPA_PLATFORM ${ARGN}
                  RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 20)
  if(NOT code STREQUAL "${expected_code}")
    message(FATAL_ERROR "${ARGN}: exit ${code}, expected ${expected_code}\n${out}${err}")
  endif()
  set(${output_var} "${out}${err}" PARENT_SCOPE)
endfunction()

run_zef(0 out "${ZEF}" --help)
if(NOT out MATCHES "--version" OR NOT out MATCHES "--help")
  message(FATAL_ERROR "--help does not list the options:\n${out}")
endif()
run_zef(0 out "${ZEF}" --version)
if(NOT out STREQUAL "ZEF ${VERSION}\n")
  message(FATAL_ERROR "--version printed:\n${out}")
endif()
run_zef(1 out "${CMAKE_COMMAND}" -E env QT_QPA_PLATFORM=offscreen "${ZEF}" --no-such-option)
if(NOT out MATCHES "no-such-option")
  message(FATAL_ERROR "an unknown option is not named:\n${out}")
endif()
