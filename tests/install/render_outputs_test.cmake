# zef-render's outputs that are not a plain file in a roomy folder: a full
# device, a file-size limit, a pipe, a link, standard output full or closed,
# and an environment naming a display that is not there. A failure is exit 1
# with one line on standard error and the earlier file as it was; a device or
# a pipe is written into and stays what it is.
set(out_dir "${WORK_DIR}/render-outputs-test")
file(REMOVE_RECURSE "${out_dir}")
file(MAKE_DIRECTORY "${out_dir}")

# Runs zef-render after the shell commands SETUP (a limit, a redirection).
function(run_render expected_code setup)
  execute_process(COMMAND sh -c "${setup}\n\"$0\" \"$@\"; code=$?; wait; exit $code" "${RENDER}"
                          --flow source-in-stream
                          --streamlines --equipotentials ${ARGN}
                  WORKING_DIRECTORY "${out_dir}"
                  RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 60)
  if(NOT code STREQUAL "${expected_code}")
    message(FATAL_ERROR "${setup} zef-render ${ARGN}: exit ${code}, expected ${expected_code}\n${err}")
  endif()
  if(code STREQUAL "0" AND NOT err STREQUAL "")
    message(FATAL_ERROR "${setup} zef-render ${ARGN}: said\n${err}")
  endif()
  if(NOT code STREQUAL "0" AND NOT err MATCHES "^zef-render: [^\n]+\n$")
    message(FATAL_ERROR "${setup} zef-render ${ARGN}: not one line on standard error:\n${err}")
  endif()
  set(out "${out}" PARENT_SCOPE)
  set(err "${err}" PARENT_SCOPE)
endfunction()

function(expect_kind path test_flag)
  execute_process(COMMAND test ${test_flag} "${path}" RESULT_VARIABLE is)
  if(NOT is EQUAL 0)
    message(FATAL_ERROR "${path} is no longer what test ${test_flag} expects")
  endif()
endfunction()


# A pipe and standard output through a link are written into.
execute_process(COMMAND mkfifo "${out_dir}/pipe.svg")
run_render(0 "cat pipe.svg > piped.svg &" -o pipe.svg)
expect_kind("${out_dir}/pipe.svg" -p)
file(CREATE_LINK /dev/stdout "${out_dir}/out.svg" SYMBOLIC)
run_render(0 "" -o out.svg)
file(READ "${out_dir}/piped.svg" piped)
if(NOT out MATCHES "</svg>" OR NOT piped STREQUAL out)
  message(FATAL_ERROR "the picture did not come through the pipe and standard output")
endif()
expect_kind("${out_dir}/out.svg" -L)

# A link to a file: the file is replaced and the link kept.
file(WRITE "${out_dir}/target.png" "earlier")
file(CREATE_LINK target.png "${out_dir}/link.png" SYMBOLIC)
run_render(0 "" -o link.png)
expect_kind("${out_dir}/link.png" -L)
file(READ "${out_dir}/target.png" target LIMIT 4 HEX)
if(NOT target STREQUAL "89504e47")
  message(FATAL_ERROR "the linked file holds no PNG")
endif()

foreach(format bmp png svg pdf)
  # A link to a full device: written into, reported, and the device kept.
  # (After the pipe cases, so that a writer that replaces what is no plain
  # file fails there before it could reach a system device.)
  file(CREATE_LINK /dev/full "${out_dir}/full.${format}" SYMBOLIC)
  run_render(1 "" -o full.${format})
  if(NOT err MATCHES "No space left on device")
    message(FATAL_ERROR "full.${format}: the system's reason is not given:\n${err}")
  endif()
  expect_kind(/dev/full -c)

  # Writes that fail part-way: the earlier file stays and nothing is left.
  file(WRITE "${out_dir}/kept.${format}" "earlier")
  run_render(1 "ulimit -f 1; trap '' XFSZ" -o kept.${format})
  file(READ "${out_dir}/kept.${format}" kept)
  file(GLOB left "${out_dir}/*kept.${format}*")
  if(NOT kept STREQUAL "earlier" OR NOT left STREQUAL "${out_dir}/kept.${format}")
    message(FATAL_ERROR "kept.${format}: the earlier file was not kept: ${left}")
  endif()
endforeach()

# The landmarks must arrive; a display named but absent is not needed.
run_render(1 "exec > /dev/full" --landmarks)
run_render(1 "exec >&-" --landmarks -o closed.png)
run_render(0 "export QT_QPA_PLATFORM=xcb; unset DISPLAY WAYLAND_DISPLAY" --landmarks)
if(NOT out MATCHES "\\([0-9.]+, 300\\.0\\)")
  message(FATAL_ERROR "no landmarks with QT_QPA_PLATFORM=xcb:\n${out}")
endif()
file(REMOVE_RECURSE "${out_dir}")
