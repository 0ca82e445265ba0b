# Installs the build into a scratch prefix and checks what lands where and how the installed
# program starts:  cmake -DGRADNJA=<build folder> -DPREFIKS=<scratch folder> -P instalacija.cmake
include(${CMAKE_CURRENT_LIST_DIR}/pokreni.cmake)

file(REMOVE_RECURSE ${PREFIKS})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${GRADNJA} --prefix ${PREFIKS} --strip
  OUTPUT_VARIABLE _izlaz ERROR_VARIABLE _izlaz RESULT_VARIABLE _kod)
if(NOT _kod EQUAL 0)
  message(FATAL_ERROR "cmake --install failed:\n${_izlaz}")
endif()

set(_ocekivano
  bin/karuvel
  share/applications/rs.karuvel.Karuvel.desktop
  share/icons/hicolor/128x128/apps/karuvel.png
  share/icons/hicolor/16x16/apps/karuvel.png
  share/icons/hicolor/22x22/apps/karuvel.png
  share/icons/hicolor/24x24/apps/karuvel.png
  share/icons/hicolor/256x256/apps/karuvel.png
  share/icons/hicolor/32x32/apps/karuvel.png
  share/icons/hicolor/48x48/apps/karuvel.png
  share/icons/hicolor/64x64/apps/karuvel.png
  share/icons/hicolor/scalable/apps/karuvel.svg
  "share/karuvel/Uputstvo-Karuvel v1.1.chm"
  share/man/man1/karuvel.1.gz
  share/metainfo/rs.karuvel.Karuvel.metainfo.xml)
file(GLOB_RECURSE _fajlovi LIST_DIRECTORIES false RELATIVE ${PREFIKS} ${PREFIKS}/*)
list(SORT _fajlovi)
list(SORT _ocekivano)
ocekuj("installed files" "${_fajlovi}" "${_ocekivano}")

# Each icon has the size of its folder.
foreach(_n IN ITEMS 16 22 24 32 48 64 128 256)
  file(READ "${PREFIKS}/share/icons/hicolor/${_n}x${_n}/apps/karuvel.png" _glava LIMIT 24 HEX)
  string(SUBSTRING "${_glava}" 32 16 _velicina)
  math(EXPR _n_hex "${_n}" OUTPUT_FORMAT HEXADECIMAL)
  string(REPLACE "0x" "" _n_hex "${_n_hex}")
  string(LENGTH "${_n_hex}" _duzina)
  math(EXPR _nule "8 - ${_duzina}")
  string(REPEAT "0" ${_nule} _dopuna)
  ocekuj("icon ${_n}x${_n}: width and height" "${_velicina}" "${_dopuna}${_n_hex}${_dopuna}${_n_hex}")
endforeach()

find_program(READELF readelf)
if(READELF)
  execute_process(COMMAND ${READELF} -S ${PREFIKS}/bin/karuvel OUTPUT_VARIABLE _odeljci)
  if(_odeljci MATCHES "\\.symtab|\\.debug_")
    message(SEND_ERROR "the installed program is not stripped")
  endif()
endif()

proveri_komandnu_liniju(${PREFIKS}/bin/karuvel ${PREFIKS} "${PREFIKS}/bin:/usr/bin:/bin" "xvfb-run -a karuvel")
pokreni(n ${PREFIKS}/bin/karuvel ${PREFIKS} "/usr/bin:/bin")
ocekuj("not on PATH: message" "${n_greske}"
  "Karuvel needs a graphical display and found none; without one, start it as: xvfb-run -a ${PREFIKS}/bin/karuvel (Debian package xvfb)\n")
