add_library(trakora_frmSatInfo STATIC
    ${CMAKE_CURRENT_LIST_DIR}/frmSatInfo.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frmSatInfo.h
    ${CMAKE_CURRENT_LIST_DIR}/frmSatInfoLayout.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SatInfoGeometry.h
    ${CMAKE_CURRENT_LIST_DIR}/ControlColors.h
    ${CMAKE_CURRENT_LIST_DIR}/SignalGauge.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SignalGauge.h
    ${CMAKE_CURRENT_LIST_DIR}/SatCountStatistics.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SatCountStatistics.h)
target_link_libraries(trakora_frmSatInfo PUBLIC trakora_qtbase)
