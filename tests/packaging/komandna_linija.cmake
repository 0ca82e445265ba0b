# The program in its build folder on the command line:
#   cmake -DPROGRAM=<karuvel> -DRADNA=<working folder> -DKOMANDA=<expected start command>
#     -P komandna_linija.cmake
include(${CMAKE_CURRENT_LIST_DIR}/pokreni.cmake)
proveri_komandnu_liniju(${PROGRAM} ${RADNA} "/usr/bin:/bin" "${KOMANDA}")
