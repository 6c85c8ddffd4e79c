add_library(trakora_frmShowPosition STATIC
    ${CMAKE_CURRENT_LIST_DIR}/frmShowPosition.h
    ${CMAKE_CURRENT_LIST_DIR}/frmShowPosition.cpp)
target_link_libraries(trakora_frmShowPosition PUBLIC trakora_readouts trakora_qtbase)
