# The content compiler: content/*.tsv -> the enciphered TEKST record files (resources/tekst.cmake).
add_executable(karuvel-sadrzaj ${CMAKE_CURRENT_LIST_DIR}/sadrzaj/main.cpp)
target_link_libraries(karuvel-sadrzaj PRIVATE karuvel_kripto Qt6::Core)
