add_library(trakora_frmDataStat STATIC
    ${CMAKE_CURRENT_LIST_DIR}/frmDataStat.h
    ${CMAKE_CURRENT_LIST_DIR}/frmDataStat.cpp)
target_link_libraries(trakora_frmDataStat PUBLIC trakora_readouts trakora_qtbase)
