# The four TEKST record files, made from content/*.tsv by karuvel-sadrzaj at build time and
# embedded as :/TEKST/1 .. :/TEKST/4 (karuvel_content links karuvel_tekst).
set(_sadrzaj "${PROJECT_SOURCE_DIR}/content")
set(_tekst_izlaz "${CMAKE_CURRENT_BINARY_DIR}/tekst")
set(_tekst_izvori
  "${_sadrzaj}/znakovi.tsv" "${_sadrzaj}/teorija.tsv" "${_sadrzaj}/situacije.tsv" "${_sadrzaj}/raskrsnice.tsv")
set(_tekst_fajlovi)
foreach(_n RANGE 1 4)
  list(APPEND _tekst_fajlovi "${_tekst_izlaz}/${_n}")
  set_source_files_properties("${_tekst_izlaz}/${_n}" PROPERTIES GENERATED TRUE QT_RESOURCE_ALIAS "TEKST/${_n}")
endforeach()

add_custom_command(
  OUTPUT ${_tekst_fajlovi}
  COMMAND karuvel-sadrzaj "${_sadrzaj}" "${_tekst_izlaz}"
  DEPENDS karuvel-sadrzaj ${_tekst_izvori}
  COMMENT "Enciphering content/*.tsv into the TEKST record files"
  VERBATIM)
add_custom_target(karuvel_tekst_fajlovi DEPENDS ${_tekst_fajlovi})

add_library(karuvel_tekst STATIC)
file(CONFIGURE OUTPUT "${CMAKE_CURRENT_BINARY_DIR}/tekst.cpp"
  CONTENT "// The TEKST record files are added as Qt resources of this library.\n")
target_sources(karuvel_tekst PRIVATE "${CMAKE_CURRENT_BINARY_DIR}/tekst.cpp")
qt_add_resources(karuvel_tekst "tekst" PREFIX "/" BASE "${_tekst_izlaz}" FILES ${_tekst_fajlovi})
add_dependencies(karuvel_tekst karuvel_tekst_fajlovi)
target_link_libraries(karuvel_tekst PUBLIC Qt6::Core)
