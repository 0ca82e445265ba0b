# The picture loader: the stream rules, the program's own pictures, broken pictures and an
# external resource bundle (.rcc) made here from two of the program's pictures and a
# truncated copy of one; and one picture in bundles of every format rcc writes (versions 1
# and 2, zlib and zstd compression), which the bundle check must all accept.
set(_rp_izlaz "${CMAKE_CURRENT_BINARY_DIR}/respicture")
set(_rp_slike "${PROJECT_SOURCE_DIR}/resources")
add_custom_command(
  OUTPUT "${_rp_izlaz}/skracena.jpg"
  COMMAND ${CMAKE_COMMAND} -E make_directory "${_rp_izlaz}"
  COMMAND head -c 4000 "${_rp_slike}/situacija/1.jpg" > "${_rp_izlaz}/skracena.jpg"
  DEPENDS "${_rp_slike}/situacija/1.jpg"
  VERBATIM)
file(CONFIGURE OUTPUT "${_rp_izlaz}/modul.qrc" CONTENT [[
<RCC>
  <qresource prefix="/">
    <file alias="ZNAK/12">@_rp_slike@/znak/12.gif</file>
    <file alias="ZNAK/21">@_rp_slike@/situacija/2.jpg</file>
    <file alias="SITUACIJA/5">@_rp_izlaz@/skracena.jpg</file>
  </qresource>
</RCC>
]] @ONLY)
set_source_files_properties("${_rp_izlaz}/skracena.jpg" PROPERTIES GENERATED TRUE)
qt_add_binary_resources(respicture_modul "${_rp_izlaz}/modul.qrc"
  DESTINATION "${_rp_izlaz}/modul.rcc")
file(CONFIGURE OUTPUT "${_rp_izlaz}/jedna.qrc" CONTENT [[
<RCC>
  <qresource prefix="/">
    <file alias="ZNAK/12">@_rp_slike@/znak/12.gif</file>
  </qresource>
</RCC>
]] @ONLY)
qt_add_binary_resources(respicture_zlib "${_rp_izlaz}/jedna.qrc"
  DESTINATION "${_rp_izlaz}/zlib.rcc" OPTIONS --compress-algo zlib --threshold 0)
qt_add_binary_resources(respicture_zstd "${_rp_izlaz}/jedna.qrc"
  DESTINATION "${_rp_izlaz}/zstd.rcc" OPTIONS --compress-algo zstd --threshold 0)
qt_add_binary_resources(respicture_v1 "${_rp_izlaz}/jedna.qrc"
  DESTINATION "${_rp_izlaz}/v1.rcc" OPTIONS --format-version 1)
qt_add_binary_resources(respicture_v2 "${_rp_izlaz}/jedna.qrc"
  DESTINATION "${_rp_izlaz}/v2.rcc" OPTIONS --format-version 2)
set(_rp_paketi respicture_zlib respicture_zstd respicture_v1 respicture_v2)
add_custom_target(respicture_skracena DEPENDS "${_rp_izlaz}/skracena.jpg")
add_dependencies(respicture_modul respicture_skracena)

karuvel_test(test_respicture WIDGETS
  SOURCES ResPictureTest.cpp
  LIBS karuvel_content)
add_dependencies(test_respicture respicture_modul ${_rp_paketi})
target_compile_definitions(test_respicture PRIVATE
  RP_MODUL="${_rp_izlaz}/modul.rcc"
  RP_PAKETI="${_rp_izlaz}"
  RP_SLIKE="${_rp_slike}")
