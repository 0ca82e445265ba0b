# Compiles the help file: cmake -DIZVOR=<help sources> -DRAD=<work folder> -DCILJ=<.chm>
#   -DCHMCMD=<chmcmd> -DICONV=<iconv> -P prevedi.cmake
# Pages and the table of contents are written in UTF-8 and stored in the help file in code page 1250.
# Any error or warning of chmcmd (a missing page or picture among them) fails the build.

file(REMOVE_RECURSE ${RAD})
file(MAKE_DIRECTORY ${RAD}/slike)

file(GLOB _tekstovi RELATIVE ${IZVOR} ${IZVOR}/*.htm ${IZVOR}/*.css ${IZVOR}/*.hhc)
foreach(_f IN LISTS _tekstovi)
  execute_process(
    COMMAND ${ICONV} -f UTF-8 -t WINDOWS-1250 ${IZVOR}/${_f}
    OUTPUT_FILE ${RAD}/${_f}
    ERROR_VARIABLE _greska
    RESULT_VARIABLE _rez)
  if(NOT _rez EQUAL 0)
    message(FATAL_ERROR "help: ${_f} cannot be written in code page 1250: ${_greska}")
  endif()
endforeach()
file(GLOB _slike ${IZVOR}/slike/*.png)
if(_slike)
  file(COPY ${_slike} DESTINATION ${RAD}/slike)
endif()
file(COPY ${IZVOR}/uputstvo.hhp DESTINATION ${RAD})

execute_process(
  COMMAND ${CHMCMD} uputstvo.hhp
  WORKING_DIRECTORY ${RAD}
  OUTPUT_VARIABLE _izlaz
  ERROR_VARIABLE _izlaz
  RESULT_VARIABLE _rez)
string(REGEX MATCHALL "(Error|Warning|Can't|exception)[^\n]*" _problemi "${_izlaz}")
if(NOT _rez EQUAL 0 OR _problemi OR NOT EXISTS ${RAD}/uputstvo.chm)
  message(FATAL_ERROR "help: chmcmd failed (exit ${_rez}):\n${_izlaz}")
endif()

# The header holds two GUIDs: {7C01FD10-...} at 0x18 and {7C01FD11-...} at 0x28. chmcmd writes the
# first one twice; readers that check the header (libmspack among them) refuse such a file.
set(_guid1 "10fd017caa7bd0119e0c00a0c922e6ec")
set(_guid2 "11fd017caa7bd0119e0c00a0c922e6ec")
file(READ ${RAD}/uputstvo.chm _zaglavlje OFFSET 24 LIMIT 32 HEX)
if(_zaglavlje STREQUAL "${_guid1}${_guid1}")
  find_program(DD dd REQUIRED)
  string(ASCII 17 _bajt)
  file(WRITE ${RAD}/guid.bin "${_bajt}")
  execute_process(
    COMMAND ${DD} if=${RAD}/guid.bin of=${RAD}/uputstvo.chm bs=1 seek=40 count=1 conv=notrunc status=none
    RESULT_VARIABLE _rez)
  file(READ ${RAD}/uputstvo.chm _zaglavlje OFFSET 24 LIMIT 32 HEX)
endif()
if(NOT _zaglavlje STREQUAL "${_guid1}${_guid2}")
  message(FATAL_ERROR "help: unexpected header GUIDs in the compiled help file: ${_zaglavlje}")
endif()
file(COPY_FILE ${RAD}/uputstvo.chm ${CILJ})
