# The help window with the built help file, the help and home-page commands of the main window.
karuvel_test(pomoc_test WIDGETS
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/PomocTest.cpp ${CMAKE_CURRENT_LIST_DIR}/PomocSadrzajTest.cpp
  LIBS karuvel_shell)
target_compile_definitions(pomoc_test PRIVATE
  "KARUVEL_UPUTSTVO=\"$<TARGET_FILE_DIR:karuvel>/Uputstvo-Karuvel v1.1.chm\"")
add_dependencies(pomoc_test karuvel_uputstvo)
