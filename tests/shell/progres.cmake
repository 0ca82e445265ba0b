# The loading progress window.
karuvel_test(test_progres WIDGETS
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/ProgresTest.cpp
  LIBS karuvel_shell)
