# The language port of the localisation: its simulation joins kolvane_sim, its Windows adapter
# joins kolvane_win32.
target_sources(kolvane_sim PRIVATE sim/uSimLanguageSystem.cpp)

if(WIN32)
  target_sources(kolvane_win32 PRIVATE win32/uWin32LanguageSystem.cpp)
endif()
