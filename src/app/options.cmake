# The options dialog: its portable model joins kolvane_app_core; the window (Windows only) is a
# library of its own that kolvane.exe and the GUI tests link.
target_sources(kolvane_app_core PRIVATE
  uOptionsInput.cpp
  uOptionsModel.cpp
  uSleepPrevention.cpp
)

if(WIN32)
  add_library(kolvane_options_gui STATIC optionsform.cpp)
  kolvane_target_options(kolvane_options_gui)
  target_link_libraries(kolvane_options_gui PUBLIC kolvane_app_core kolvane_app_win32 kolvane_win32
                        comctl32)
  target_link_libraries(kolvane PRIVATE kolvane_options_gui)
  set_property(SOURCE kolvane.rc APPEND PROPERTY OBJECT_DEPENDS
    "${CMAKE_CURRENT_SOURCE_DIR}/optionsform.rc;${CMAKE_CURRENT_SOURCE_DIR}/optionsform_res.h")
endif()
