# Labels and the validity background shared by the data display windows.
add_library(trakora_readouts STATIC
    ${CMAKE_CURRENT_LIST_DIR}/ReadoutLabels.h
    ${CMAKE_CURRENT_LIST_DIR}/ReadoutLabels.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LargeTextLabel.h
    ${CMAKE_CURRENT_LIST_DIR}/LargeTextLabel.cpp)
target_link_libraries(trakora_readouts PUBLIC trakora_qtbase)
