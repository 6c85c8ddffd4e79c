# Screen-reader words of the widgets that show one satellite, shared by the
# satellite windows.
add_library(trakora_satellite_accessible STATIC
    ${CMAKE_CURRENT_LIST_DIR}/SatelliteAccessible.h
    ${CMAKE_CURRENT_LIST_DIR}/SatelliteAccessible.cpp)
target_link_libraries(trakora_satellite_accessible PUBLIC trakora_qtbase)
