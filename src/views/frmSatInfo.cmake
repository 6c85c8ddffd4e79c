add_library(trakora_frmSatInfo STATIC
    ${CMAKE_CURRENT_LIST_DIR}/frmSatInfo.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frmSatInfo.h
    ${CMAKE_CURRENT_LIST_DIR}/frmSatInfoLayout.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frmSatInfoTable.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SatelliteRowWidget.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SatelliteRowWidget.h
    ${CMAKE_CURRENT_LIST_DIR}/SatelliteTablePanel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SatelliteTablePanel.h
    ${CMAKE_CURRENT_LIST_DIR}/SatInfoGeometry.h
    ${CMAKE_CURRENT_LIST_DIR}/ControlColors.h
    ${CMAKE_CURRENT_LIST_DIR}/SignalGauge.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SignalGauge.h)
target_link_libraries(trakora_frmSatInfo PUBLIC trakora_satellite_accessible trakora_qtbase)
