# The handbook shown on F1: its HTML from the repository and its pictures,
# drawn by zef-render, gathered in one folder of the build and installed to
# share/zef/handbook.
include(GNUInstallDirs)
set(HANDBOOK_SOURCE ${CMAKE_CURRENT_LIST_DIR})
set(HANDBOOK_DIR ${CMAKE_BINARY_DIR}/handbook)
file(MAKE_DIRECTORY ${HANDBOOK_DIR})

# Each picture: its file name, then zef-render's arguments.
set(HANDBOOK_PICTURES
    "source-in-stream.png --flow source-in-stream --streamlines --equipotentials"
    "oval.png --element stream,1,0 --element source,300,300,1500 --element sink,500,300,1500 --streamlines --equipotentials"
    "vortices.png --element vortex,300,300,-1000 --element vortex,500,300,1000 --streamlines"
    "cylinder-circulation.png --element dipole,400,300,62832,180 --element vortex,400,300,-1000 --element stream,1,0 --streamlines --set streamlines.evenlySpaced=true")
set(handbook_outputs ${HANDBOOK_DIR}/index.html)
add_custom_command(OUTPUT ${HANDBOOK_DIR}/index.html
                   COMMAND ${CMAKE_COMMAND} -E copy ${HANDBOOK_SOURCE}/index.html ${HANDBOOK_DIR}/index.html
                   DEPENDS ${HANDBOOK_SOURCE}/index.html)
foreach(picture ${HANDBOOK_PICTURES})
  separate_arguments(picture UNIX_COMMAND "${picture}")
  list(POP_FRONT picture name)
  add_custom_command(OUTPUT ${HANDBOOK_DIR}/${name}
                     COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0
                             $<TARGET_FILE:zef-render> ${picture} -o ${HANDBOOK_DIR}/${name}
                     DEPENDS zef-render VERBATIM)
  list(APPEND handbook_outputs ${HANDBOOK_DIR}/${name})
endforeach()
add_custom_target(handbook ALL DEPENDS ${handbook_outputs})
# The program needs it; the libraries build meanwhile.
add_dependencies(zef handbook)
target_compile_definitions(app PRIVATE ZEF_HANDBOOK_DIR="${HANDBOOK_DIR}")
install(DIRECTORY ${HANDBOOK_DIR}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/zef/handbook)
