# The item editor and its frames, driven through window messages.
kolvane_add_test(win32_editor_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/uItemsFormTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/gui_tests.rc
  LIBRARIES kolvane_editor_gui kolvane_test_support
)
set_property(SOURCE ${CMAKE_CURRENT_LIST_DIR}/gui_tests.rc APPEND PROPERTY OBJECT_DEPENDS
  ${PROJECT_SOURCE_DIR}/src/app/editor.rc
  ${PROJECT_SOURCE_DIR}/src/app/itemsform.rc
  ${PROJECT_SOURCE_DIR}/src/events/eventframes.rc
  ${PROJECT_SOURCE_DIR}/src/actions/actionframes.rc)
