# The Qt side of the application: adaptors, the main window, the raw NMEA
# window and the program itself.
add_library(trakora_app STATIC
    ${CMAKE_CURRENT_LIST_DIR}/QtSerialPort.cpp
    ${CMAKE_CURRENT_LIST_DIR}/QtTimer.cpp
    ${CMAKE_CURRENT_LIST_DIR}/QtFramePainter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/QtReplayControls.cpp
    ${CMAKE_CURRENT_LIST_DIR}/QtPumpUserInterface.cpp
    ${CMAKE_CURRENT_LIST_DIR}/QtCommandLine.cpp
    ${CMAKE_CURRENT_LIST_DIR}/QtRawLineModel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/QtRawLineFilter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/QtStatusIndicator.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frmHealth.cpp
    ${CMAKE_CURRENT_LIST_DIR}/QtDisplayWindows.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frmNMEA_Raw.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frmMDI.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TrakoraApplication.cpp)
target_link_libraries(trakora_app PUBLIC trakora_qtbase Qt6::Widgets Qt6::SerialPort
    trakora_frmDataStat trakora_frmShowPosition trakora_frmSatInfo trakora_frmSatPositions trakora_frmLongTerm
    trakora_frmSettings trakora_frmSplash)

add_executable(trakora ${CMAKE_CURRENT_LIST_DIR}/main.cpp)
target_link_libraries(trakora PRIVATE trakora_app)
install(TARGETS trakora RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
