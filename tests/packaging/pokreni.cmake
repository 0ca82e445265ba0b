# Starts the program as a terminal would and checks what it prints; shared by the tests here.
# pokreni(<result prefix> <program> <working folder> <PATH> <arguments...>): sets <prefix>_izlaz,
# <prefix>_greske and <prefix>_kod. No display is reachable: DISPLAY, WAYLAND_DISPLAY and
# QT_QPA_PLATFORM are unset.
function(pokreni ime program radna putanja)
  unset(ENV{DISPLAY})
  unset(ENV{WAYLAND_DISPLAY})
  unset(ENV{QT_QPA_PLATFORM})
  set(ENV{PATH} "${putanja}")
  execute_process(COMMAND ${program} ${ARGN}
    WORKING_DIRECTORY ${radna}
    OUTPUT_VARIABLE _izlaz ERROR_VARIABLE _greske RESULT_VARIABLE _kod
    TIMEOUT 20)
  set(${ime}_izlaz "${_izlaz}" PARENT_SCOPE)
  set(${ime}_greske "${_greske}" PARENT_SCOPE)
  set(${ime}_kod "${_kod}" PARENT_SCOPE)
endfunction()

function(ocekuj opis stvarno ocekivano)
  if(NOT "${stvarno}" STREQUAL "${ocekivano}")
    message(SEND_ERROR "${opis}:\n  expected: [${ocekivano}]\n  got:      [${stvarno}]")
  endif()
endfunction()

# --help and --version print and end without a window; anything else without a display names
# the command `komanda` that starts the program under xvfb-run.
function(proveri_komandnu_liniju program radna putanja komanda)
  foreach(_opcija IN ITEMS --version -v)
    pokreni(v ${program} ${radna} "${putanja}" ${_opcija})
    ocekuj("${_opcija}: exit code" "${v_kod}" 0)
    ocekuj("${_opcija}: output" "${v_izlaz}" "Karuvel 1.1\n")
  endforeach()
  foreach(_opcija IN ITEMS --help -h)
    pokreni(h ${program} ${radna} "${putanja}" ${_opcija})
    ocekuj("${_opcija}: exit code" "${h_kod}" 0)
    foreach(_deo IN ITEMS "Usage: " "Priprema za teorijski deo vozačkog ispita." "--version" "--help")
      string(FIND "${h_izlaz}" "${_deo}" _gde)
      if(_gde LESS 0)
        message(SEND_ERROR "${_opcija}: \"${_deo}\" missing from:\n${h_izlaz}")
      endif()
    endforeach()
  endforeach()
  set(_poruka "Karuvel needs a graphical display and found none; without one, start it as: ${komanda} (Debian package xvfb)\n")
  # -reverse is Qt's option, not -r -e -v...: the program goes on to look for a display.
  foreach(_argumenti IN ITEMS "" "-reverse")
    pokreni(e ${program} ${radna} "${putanja}" ${_argumenti})
    ocekuj("'${_argumenti}' without a display: exit code" "${e_kod}" 1)
    ocekuj("'${_argumenti}' without a display: message" "${e_greske}" "${_poruka}")
    ocekuj("'${_argumenti}' without a display: output" "${e_izlaz}" "")
  endforeach()
endfunction()
