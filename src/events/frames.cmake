# The event kinds' configuration frames: their logic, portable and tested natively. Their dialog
# resources (eventframes.rc) are drawn by the item editor's window on Windows.
kolvane_portable_library(kolvane_event_frames
  ${CMAKE_CURRENT_LIST_DIR}/uPingStopsFrame.cpp
  ${CMAKE_CURRENT_LIST_DIR}/uPowerEventFrames.cpp
  ${CMAKE_CURRENT_LIST_DIR}/uTimeEventFrames.cpp
  ${CMAKE_CURRENT_LIST_DIR}/uTimeFieldsFrame.cpp
  ${CMAKE_CURRENT_LIST_DIR}/uUsageEventFrames.cpp
  ${CMAKE_CURRENT_LIST_DIR}/uUserInactiveFrame.cpp
  ${CMAKE_CURRENT_LIST_DIR}/uWatchEventFrames.cpp
)
target_link_libraries(kolvane_event_frames PUBLIC kolvane_frames kolvane_events)
