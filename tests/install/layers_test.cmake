# Fails naming every source that includes a layer above its own: the flow
# core includes nothing of Qt nor of the other folders; document and dialogs
# not each other, app nor render; render not app nor dialogs; app not render;
# and the picture files of src/document none of the document window's files.
set(forbidden_flow "<Q|\"(document|dialogs|app|render)/")
set(forbidden_document "\"(dialogs|app|render)/")
set(forbidden_dialogs "\"(document|app|render)/")
set(forbidden_render "\"(app|dialogs)/")
set(forbidden_app "\"render/")

set(offences "")
foreach(layer flow document dialogs render app)
  file(GLOB_RECURSE sources "${SOURCE_DIR}/src/${layer}/*.cpp" "${SOURCE_DIR}/src/${layer}/*.h")
  foreach(source ${sources})
    set(forbidden "${forbidden_${layer}}")
    if(layer STREQUAL "document" AND NOT source MATCHES "/(${WINDOW_FILES})\\.(cpp|h)$")
      string(APPEND forbidden "|\"document/(${WINDOW_FILES})\\.h\"")
    endif()
    file(STRINGS "${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*(${forbidden})")
    foreach(line ${includes})
      file(RELATIVE_PATH name "${SOURCE_DIR}" "${source}")
      string(APPEND offences "\n  ${name}: ${line}")
    endforeach()
  endforeach()
endforeach()
if(offences)
  message(FATAL_ERROR "includes against the layers:${offences}")
endif()
