# The display, sound and screen ports of the display, sound and screenshot actions: their
# simulation joins kolvane_sim, their Windows adapters join kolvane_win32.
target_sources(kolvane_sim PRIVATE
  sim/uSimDisplay.cpp
  sim/uSimScreen.cpp
  sim/uSimSound.cpp
)

if(WIN32)
  target_sources(kolvane_win32 PRIVATE
    win32/uWin32AudioVolume.cpp
    win32/uWin32Display.cpp
    win32/uWin32ImageEncoder.cpp
    win32/uWin32ScreenCapture.cpp
    win32/uWin32SoundPlayer.cpp
  )
  target_link_libraries(kolvane_win32 PUBLIC winmm gdi32 ole32 windowscodecs uuid)
endif()
