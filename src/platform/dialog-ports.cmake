# The file and folder dialogs of the configuration frames: simulated for native tests, the
# system's common dialogs on Windows.
target_sources(kolvane_sim PRIVATE sim/uSimFileDialogs.cpp)

if(WIN32)
  target_sources(kolvane_win32 PRIVATE win32/uWin32FileDialogs.cpp)
  target_link_libraries(kolvane_win32 PUBLIC comdlg32 shell32 ole32)
endif()
