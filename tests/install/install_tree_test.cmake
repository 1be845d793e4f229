# Installs the build into a private prefix and checks the desktop files.
set(prefix "${BUILD_DIR}/install-tree-test")
file(REMOVE_RECURSE "${prefix}")
execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${prefix}"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

foreach(path bin/zef bin/zef-render share/applications/zef.desktop
             share/icons/hicolor/scalable/apps/zef.svg share/mime/packages/zef.xml
             share/zef/handbook/index.html share/zef/handbook/oval.png)
  if(NOT EXISTS "${prefix}/${path}")
    message(FATAL_ERROR "not installed: ${path}")
  endif()
endforeach()
foreach(program zef zef-render)
  if(IS_DIRECTORY "${prefix}/bin/${program}")
    message(FATAL_ERROR "bin/${program} is not a program")
  endif()
endforeach()
# ./run.sh builds every program installed, so the README's install command
# works right after it.
file(STRINGS "${SOURCE_DIR}/run.sh" build_line REGEX "^scripts/setup.sh ")
file(GLOB programs RELATIVE "${prefix}/bin" "${prefix}/bin/*")
foreach(program ${programs})
  if(NOT " ${build_line} " MATCHES " ${program} ")
    message(FATAL_ERROR "./run.sh does not build ${program}, which is installed")
  endif()
endforeach()

execute_process(COMMAND desktop-file-validate "${prefix}/share/applications/zef.desktop"
                RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT result EQUAL 0 OR out MATCHES "error:")
  message(FATAL_ERROR "desktop-file-validate: ${out}")
endif()

file(READ "${prefix}/share/applications/zef.desktop" entry)
foreach(needle "Categories=Education;Science;Physics;" "Icon=zef"
               "MimeType=application/x-zef-construction;")
  string(FIND "${entry}" "${needle}" at)
  if(at LESS 0)
    message(FATAL_ERROR "the desktop entry lacks ${needle}")
  endif()
endforeach()
file(READ "${prefix}/share/mime/packages/zef.xml" mime)
if(NOT mime MATCHES "application/x-zef-construction" OR NOT mime MATCHES "\\*\\.zef")
  message(FATAL_ERROR "the MIME type does not name *.zef files")
endif()
# The installed renderer draws without a display.
execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
                        --unset=QT_QPA_PLATFORM ASAN_OPTIONS=detect_leaks=0
                        "${prefix}/bin/zef-render" --flow vortex --streamlines -o "${prefix}/v.png"
                RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out TIMEOUT 60)
if(NOT result EQUAL 0 OR NOT EXISTS "${prefix}/v.png")
  message(FATAL_ERROR "the installed zef-render drew nothing: ${result} ${out}")
endif()
file(REMOVE_RECURSE "${prefix}")
