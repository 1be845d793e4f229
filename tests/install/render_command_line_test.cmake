# zef-render run as a user runs it, with no display: help and version, a
# picture written, and errors as one line on standard error with a non-zero
# exit and no picture file left behind.
set(out_dir "${WORK_DIR}/render-command-line-test")
file(REMOVE_RECURSE "${out_dir}")
file(MAKE_DIRECTORY "${out_dir}")

function(run_render expected_code output_var error_var)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
                          --unset=QT_QPA_PLATFORM "${RENDER}" ${ARGN}
                  WORKING_DIRECTORY "${out_dir}"
                  RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 60)
  if(NOT code STREQUAL "${expected_code}")
    message(FATAL_ERROR "zef-render ${ARGN}: exit ${code}, expected ${expected_code}\n${out}${err}")
  endif()
  set(${output_var} "${out}" PARENT_SCOPE)
  set(${error_var} "${err}" PARENT_SCOPE)
endfunction()

run_render(0 out err --help)
foreach(needle "--flow" "--streamlines" "cylinder-circulation" "streamlines.count" "dipole.moment")
  string(FIND "${out}" "${needle}" at)
  if(at LESS 0)
    message(FATAL_ERROR "--help does not name ${needle}:\n${out}")
  endif()
endforeach()
run_render(0 out err --version)
if(NOT out STREQUAL "zef-render ${VERSION}\n" OR NOT err STREQUAL "")
  message(FATAL_ERROR "--version printed:\n${out}${err}")
endif()

run_render(0 out err --flow source-in-stream --streamlines --equipotentials -o sheet.svg)
file(READ "${out_dir}/sheet.svg" svg LIMIT 400)
if(NOT svg MATCHES "<svg" OR NOT err STREQUAL "")
  message(FATAL_ERROR "no SVG written, or something said:\n${svg}\n${err}")
endif()

# The pressure along a body: a cylinder's samples as CSV (Cp = -3 on top) and
# its lowest Cp among the landmarks; a chart as PNG beside the picture.
run_render(0 out err --flow cylinder --cp-plot cp.csv --landmarks)
file(STRINGS "${out_dir}/cp.csv" rows)
list(LENGTH rows count)
list(GET rows 0 header)
list(GET rows 91 top)
if(NOT count EQUAL 362 OR NOT header STREQUAL "theta,cp" OR NOT top STREQUAL "90.0000,-3.000000"
   OR NOT out MATCHES "Cp = -3\\.000 при угле 270\\.0°: \\(400\\.0, 400\\.0\\) пикс\\.")
  message(FATAL_ERROR "--cp-plot cp.csv wrote ${count} rows: ${header} ${top}\n${out}${err}")
endif()
run_render(0 out err --flow source-in-stream --streamlines -o half.png --cp-plot cp.png)
file(READ "${out_dir}/cp.png" png LIMIT 4 HEX)
if(NOT png STREQUAL "89504e47" OR NOT EXISTS "${out_dir}/half.png" OR NOT err STREQUAL "")
  message(FATAL_ERROR "--cp-plot cp.png: no chart, or something said:\n${err}")
endif()

# The landmarks on standard output, with no picture asked for: Q / (2 pi U)
# upstream of the source.
run_render(0 out err --flow source-in-stream --streamlines --landmarks)
if(NOT out MATCHES "\\(161\\.3, 300\\.0\\)" OR NOT out MATCHES "750\\.0")
  message(FATAL_ERROR "--landmarks printed:\n${out}${err}")
endif()
# Those of the flow the arguments set, with nothing drawn that read it.
run_render(0 out err --flow cylinder-circulation --set cylinder.circulation=600 --landmarks)
if(NOT out MATCHES "\\(-87\\.9, 47\\.7\\) от центра" OR NOT out MATCHES "2\\.955: ")
  message(FATAL_ERROR "--flow cylinder-circulation --landmarks printed:\n${out}${err}")
endif()

# A superposition's landmarks: a Rankine oval's stagnation points about the
# field's centre, and the velocity above it: U + 2 Q b / (2 pi r^2), r^2 = b^2 + 150^2.
run_render(0 out err --element stream,1,0 --element source,300,300,1500
           --element sink,500,300,1500 --velocity 400,150 --landmarks)
set(expected "Критическая точка: (159.7, 300.0) пикс.; (-240.3, 0.0) от центра поля
Критическая точка: (640.3, 300.0) пикс.; (240.3, 0.0) от центра поля
Скорость в точке (400.0, 150.0) пикс.; (0.0, 150.0) от центра поля: |V| = 2.469; Vx = 2.469; Vy = 0.000; угол 0.0°
Наименьший коэффициент давления на разделяющей линии тока Cp = -2.514: (400.0, 88.8) пикс.; (0.0, 211.2) от центра поля
")
if(NOT out STREQUAL "${expected}" OR NOT err STREQUAL "")
  message(FATAL_ERROR "--element --landmarks printed:\n${out}${err}")
endif()

# Two thousand elements: the work budget stops the tracer and the stagnation
# points' search; the picture is written, and standard error says so.
set(many --element stream,1,15)
foreach(i RANGE 1 1999)
  math(EXPR x "(${i} * 389) % 800")
  math(EXPR y "(${i} * 263) % 600")
  math(EXPR q "(${i} * 97) % 2000")
  math(EXPR kind "${i} % 3")
  if(kind EQUAL 0)
    list(APPEND many --element source,${x},${y},${q})
  elseif(kind EQUAL 1)
    list(APPEND many --element sink,${x},${y},${q})
  else()
    list(APPEND many --element vortex,${x},${y},-${q})
  endif()
endforeach()
run_render(0 out err ${many} --streamlines --landmarks -o many.png)
if(NOT EXISTS "${out_dir}/many.png"
   OR NOT err STREQUAL "zef-render: Построены не все линии: для стольких элементов не хватило отведённой работы
zef-render: Найдены не все критические точки: для стольких элементов не хватило отведённой работы
")
  message(FATAL_ERROR "many elements: no picture, or standard error said:\n${err}")
endif()

# Streamlines closer together than can be drawn: said so, not "no flow".
run_render(2 out err --element stream,100,0 --streamlines -o dense.png)
if(NOT err MATCHES "^zef-render: --streamlines: линии не построены: соседние линии легли бы ближе")
  message(FATAL_ERROR "--element stream,100,0 --streamlines said:\n${err}")
endif()

# A colour map goes under the lines: in SVG an image before the first line;
# the pressure of a flow without a stream is refused.
run_render(0 out err --flow cylinder-circulation --streamlines --pressure-map -o map.svg)
file(READ "${out_dir}/map.svg" svg)
string(FIND "${svg}" "<image" image)
string(FIND "${svg}" "<polyline" line)
if(image LESS 0 OR line LESS image OR NOT err STREQUAL "")
  message(FATAL_ERROR "--pressure-map: no map under the lines, or something said:\n${err}")
endif()
run_render(2 out err --flow vortex --pressure-map -o map.png)
if(NOT err MATCHES "^zef-render: --pressure-map: поле давления не построено")
  message(FATAL_ERROR "--flow vortex --pressure-map said:\n${err}")
endif()

# Time marks on the streamlines drawn before and after them, with their
# settings; refused while there is no streamline.
run_render(0 out err --flow cylinder --streamlines -o plain.png)
run_render(0 out err --flow cylinder --streamlines --time-marks --set streamlines.markSize=5
           --set streamlines.markInterval=40 -o marks.png)
file(SHA256 "${out_dir}/plain.png" plain)
file(SHA256 "${out_dir}/marks.png" marked)
if(plain STREQUAL marked OR NOT err STREQUAL "")
  message(FATAL_ERROR "--time-marks drew nothing, or something said:\n${err}")
endif()
# The airfoil's map under its lines, and time marks on them.
run_render(0 out err --flow joukowski --streamlines --pressure-map --time-marks -o wing_map.svg)
file(READ "${out_dir}/wing_map.svg" svg)
string(FIND "${svg}" "<image" image)
string(FIND "${svg}" "<polyline" line)
if(image LESS 0 OR line LESS image OR NOT err STREQUAL "")
  message(FATAL_ERROR "--flow joukowski --pressure-map --time-marks drew:\n${err}")
endif()
run_render(2 out err --flow cylinder --time-marks -o marks.png)
if(NOT err MATCHES "^zef-render: --time-marks: сначала постройте линии тока")
  message(FATAL_ERROR "--time-marks before any streamline said:\n${err}")
endif()

# Contours after the commands: the landmarks give each one's numbers and
# what lies inside, or that it passes through a singular point.
run_render(0 out err --flow cylinder-circulation --contour 400,300,150 --contour 500,300,100
           --landmarks)
if(NOT out MATCHES "Контур: круг \\(400, 300\\) R = 150 пикс.: Г = 1000, Q = 0; внутри: цилиндр; L′ = 1000, D = 0\n"
   OR NOT out MATCHES "Контур: круг \\(500, 300\\) R = 100 пикс.: проходит через особую точку \\(400, 300\\)")
  message(FATAL_ERROR "--contour --landmarks printed:\n${out}${err}")
endif()
run_render(2 out err --flow vortex --contour 400,300,0 --landmarks)
if(NOT err MATCHES "^zef-render: --contour: радиус")
  message(FATAL_ERROR "--contour with no radius said:\n${err}")
endif()

# The Joukowski airfoil: its numbers once each, the Kutta condition's or a
# typed circulation; values out of their ranges refused by name.
run_render(0 out err --flow joukowski --streamlines --equipotentials --velocity 100,100
           --landmarks -o wing.png)
string(REGEX MATCHALL "Критическая точка" stagnation "${out}")
list(LENGTH stagnation count)
if(NOT count EQUAL 2 OR NOT out MATCHES "\\(600\\.0, 307\\.4\\) пикс"
   OR NOT out MATCHES "Циркуляция Г = 189\\.431\nКоэффициент подъёмной силы C_L = 0\\.9472"
   OR NOT out MATCHES "Скорость в точке \\(100\\.0, 100\\.0\\)" OR NOT EXISTS "${out_dir}/wing.png")
  message(FATAL_ERROR "--flow joukowski --landmarks printed:\n${out}${err}")
endif()
run_render(0 out err --flow joukowski --set joukowski.kutta=false --set joukowski.circulation=50
           --set joukowski.alpha=-2.5 --landmarks --cp-plot wing.csv)
file(STRINGS "${out_dir}/wing.csv" rows)
list(GET rows 0 header)
if(NOT header STREQUAL "x/c,cp,surface")
  message(FATAL_ERROR "--flow joukowski --cp-plot wing.csv wrote ${header}")
endif()
if(NOT out MATCHES "Циркуляция Г = 50\\.000"
   OR out MATCHES "Критическая точка: \\(600\\.0, 307\\.4\\)")
  message(FATAL_ERROR "--flow joukowski without the Kutta condition printed:\n${out}${err}")
endif()
foreach(refusal "joukowski.alpha=25|joukowski.alpha: 25 вне пределов -15..20"
                "joukowski.alpha=2.3|joukowski.alpha: 2.3 не кратно 0.5"
                "joukowski.thickness=30|joukowski.thickness: 30 вне пределов 0..25"
                "joukowski.span=1|неизвестная настройка «joukowski.span»")
  string(REPLACE "|" ";" parts "${refusal}")
  list(GET parts 0 assignment)
  list(GET parts 1 message)
  run_render(2 out err --flow joukowski --set "${assignment}" --landmarks)
  string(FIND "${err}" "${message}" at)
  if(at LESS 0)
    message(FATAL_ERROR "--set ${assignment} said:\n${err}")
  endif()
endforeach()

# Each error: exit code, one line naming the program, and OUT as it was.
file(WRITE "${out_dir}/kept.png" "earlier")
function(refused expected_code output)
  run_render(${expected_code} out err ${ARGN} -o "${output}")
  if(NOT err MATCHES "^zef-render: [^\n]+\n$" OR NOT out STREQUAL "")
    message(FATAL_ERROR "zef-render ${ARGN}: not one line on standard error:\n${out}${err}")
  endif()
  file(GLOB left "${out_dir}/new.*" "${out_dir}/.new*")
  file(READ "${out_dir}/kept.png" kept)
  if(left OR NOT kept STREQUAL "earlier")
    message(FATAL_ERROR "zef-render ${ARGN}: a picture file was left: ${left} ${kept}")
  endif()
endfunction()

refused(2 new.png --flow no-such-flow)
refused(2 kept.png --flow vortex --set streamlines.count=0)
refused(2 new.png --flow pair --equipotentials)
refused(2 new.gif --flow vortex)
refused(2 new.png --flow vortex --cp-plot new.csv)
refused(2 new.png --flow cylinder --cp-plot new.txt)
refused(1 kept.png missing.zef)
file(WRITE "${out_dir}/broken.zef" "{ not json")
refused(1 new.bmp broken.zef)
refused(1 "${out_dir}/no-such-folder/new.pdf" --flow vortex --streamlines)
file(REMOVE_RECURSE "${out_dir}")
