add_library(trakora_frmLongTerm STATIC
    ${CMAKE_CURRENT_LIST_DIR}/frmLongTerm.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frmLongTerm.h)
target_link_libraries(trakora_frmLongTerm PUBLIC trakora_qtbase)
