# The input and power ports of the inactivity and power events: their simulation joins
# kolvane_sim, their Windows adapters join kolvane_win32.
target_sources(kolvane_sim PRIVATE
  sim/uSimPowerSystem.cpp
  sim/uSimUserInput.cpp
)

if(WIN32)
  target_sources(kolvane_win32 PRIVATE
    win32/uWin32PowerSystem.cpp
    win32/uWin32UserInput.cpp
  )
endif()
