# The picture loader: the stream rules, the program's own pictures, broken pictures and an
# external resource bundle (.rcc) made here from two of the program's pictures and a
# truncated copy of one.
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
add_custom_target(respicture_skracena DEPENDS "${_rp_izlaz}/skracena.jpg")
add_dependencies(respicture_modul respicture_skracena)

karuvel_test(test_respicture WIDGETS
  SOURCES ResPictureTest.cpp
  LIBS karuvel_content)
add_dependencies(test_respicture respicture_modul)
target_compile_definitions(test_respicture PRIVATE
  RP_MODUL="${_rp_izlaz}/modul.rcc"
  RP_SLIKE="${_rp_slike}")
