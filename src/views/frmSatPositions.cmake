add_library(trakora_frmSatPositions STATIC
    ${CMAKE_CURRENT_LIST_DIR}/frmSatPositions.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frmSatPositions.h
    ${CMAKE_CURRENT_LIST_DIR}/frmSatPositionsSystems.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SkyLegend.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SkyLegend.h
    ${CMAKE_CURRENT_LIST_DIR}/SkyMarker.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SkyMarker.h
    ${CMAKE_CURRENT_LIST_DIR}/SystemMarks.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SystemMarks.h
    ${CMAKE_CURRENT_LIST_DIR}/SkyPlotCanvas.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SkyPlotCanvas.h
    ${CMAKE_CURRENT_LIST_DIR}/CircleShape.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CircleShape.h)
target_link_libraries(trakora_frmSatPositions PUBLIC trakora_satellite_accessible trakora_qtbase)
