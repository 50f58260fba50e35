# The machine ports the actions use (version, power and session, processes, windows, shell):
# their simulation joins kolvane_sim, their Windows adapters join kolvane_win32.
target_sources(kolvane_sim PRIVATE
  sim/uSimMachine.cpp
  sim/uSimModalWindows.cpp
  sim/uSimPowerSession.cpp
  sim/uSimProcesses.cpp
  sim/uSimRemoteAccess.cpp
  sim/uSimShell.cpp
  sim/uSimWindowSystem.cpp
)

if(WIN32)
  target_sources(kolvane_win32 PRIVATE
    win32/uWin32PowerSession.cpp
    win32/uWin32Processes.cpp
    win32/uWin32RemoteAccess.cpp
    win32/uWin32Shell.cpp
    win32/uWin32SystemVersion.cpp
    win32/uWin32WindowSystem.cpp
  )
  target_link_libraries(kolvane_win32 PUBLIC advapi32 shell32 ole32 oleaut32 uuid)
endif()
