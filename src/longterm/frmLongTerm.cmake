add_library(trakora_frmLongTerm STATIC
    ${CMAKE_CURRENT_LIST_DIR}/frmLongTerm.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frmLongTerm.h
    ${CMAKE_CURRENT_LIST_DIR}/LongTermDetailsPane.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LongTermDetailsPane.h
    ${CMAKE_CURRENT_LIST_DIR}/ScatterPlotWidget.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ScatterPlotWidget.h
    ${CMAKE_CURRENT_LIST_DIR}/GpxWaypoint.cpp
    ${CMAKE_CURRENT_LIST_DIR}/GpxWaypoint.h)
target_link_libraries(trakora_frmLongTerm PUBLIC trakora_qtbase)
