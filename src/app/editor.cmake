# The item editor: the frame base every configuration frame builds on, the frame registry and the
# editor's logic (portable), and its window with the view that draws frames (Windows only).
kolvane_portable_library(kolvane_frames
  ${CMAKE_CURRENT_LIST_DIR}/uConfigFrame.cpp
  ${CMAKE_CURRENT_LIST_DIR}/uFrameControls.cpp
  ${CMAKE_CURRENT_LIST_DIR}/uPlannerFrame.cpp
)
target_link_libraries(kolvane_frames PUBLIC kolvane_core)

kolvane_portable_library(kolvane_editor
  ${CMAKE_CURRENT_LIST_DIR}/uItemEditor.cpp
  ${CMAKE_CURRENT_LIST_DIR}/uPlannerFrameList.cpp
  ${CMAKE_CURRENT_LIST_DIR}/uPlannerFrames.cpp
)
target_link_libraries(kolvane_editor PUBLIC kolvane_frames kolvane_event_frames
                                            kolvane_action_frames kolvane_app_core)

if(WIN32)
  add_library(kolvane_editor_gui STATIC
    ${CMAKE_CURRENT_LIST_DIR}/itemsform.cpp
    ${CMAKE_CURRENT_LIST_DIR}/uWin32FrameView.cpp
  )
  kolvane_target_options(kolvane_editor_gui)
  target_link_libraries(kolvane_editor_gui PUBLIC kolvane_editor kolvane_app_win32 kolvane_win32 comctl32
                        shell32)
endif()

if(WIN32)
  # The program carries the editor's and the frames' dialog resources.
  target_link_libraries(kolvane PRIVATE kolvane_editor_gui)
  set_property(SOURCE kolvane.rc APPEND PROPERTY OBJECT_DEPENDS
    ${CMAKE_CURRENT_LIST_DIR}/editor.rc
    ${CMAKE_CURRENT_LIST_DIR}/itemsform.rc
    ${PROJECT_SOURCE_DIR}/src/events/eventframes.rc
    ${PROJECT_SOURCE_DIR}/src/actions/actionframes.rc)
endif()
