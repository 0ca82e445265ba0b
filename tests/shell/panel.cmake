# The scrolling panel shared by the sign catalogue, the theory and the situation tests.
karuvel_test(panel_test WIDGETS SOURCES ${CMAKE_CURRENT_LIST_DIR}/PanelTest.cpp LIBS karuvel_okvir)
