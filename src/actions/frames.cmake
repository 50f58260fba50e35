# The action kinds' configuration frames: their logic, portable and tested natively. Their dialog
# resources (actionframes.rc) are drawn by the item editor's window on Windows.
kolvane_portable_library(kolvane_action_frames
  ${CMAKE_CURRENT_LIST_DIR}/uDisplayActionFrames.cpp
  ${CMAKE_CURRENT_LIST_DIR}/uMessageActionFrame.cpp
  ${CMAKE_CURRENT_LIST_DIR}/uPowerActionFrames.cpp
  ${CMAKE_CURRENT_LIST_DIR}/uProgramActionFrames.cpp
  ${CMAKE_CURRENT_LIST_DIR}/uScreenshotActionFrame.cpp
  ${CMAKE_CURRENT_LIST_DIR}/uUtilitiesActionFrame.cpp
)
target_link_libraries(kolvane_action_frames PUBLIC kolvane_frames kolvane_actions)
