add_library(trakora_frmSettings STATIC
    ${CMAKE_CURRENT_LIST_DIR}/frmSettings.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frmSettings.h
    ${CMAKE_CURRENT_LIST_DIR}/FileChooser.h
    ${CMAKE_CURRENT_LIST_DIR}/QtFileChooser.cpp
    ${CMAKE_CURRENT_LIST_DIR}/QtFileChooser.h)
target_link_libraries(trakora_frmSettings PUBLIC trakora_qtbase)
