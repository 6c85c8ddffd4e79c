add_library(trakora_frmSplash STATIC
    ${CMAKE_CURRENT_LIST_DIR}/frmSplash.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frmSplash.h)
target_link_libraries(trakora_frmSplash PUBLIC trakora_qtbase)
