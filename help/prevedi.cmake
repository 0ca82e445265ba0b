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
file(COPY_FILE ${RAD}/uputstvo.chm ${CILJ})
