# The ping port of the Ping Stops event: its simulation joins kolvane_sim, its Windows adapter
# (icmp.dll bound at run time, Windows Sockets) joins kolvane_win32.
target_sources(kolvane_sim PRIVATE sim/uSimPing.cpp)

if(WIN32)
  target_sources(kolvane_win32 PRIVATE win32/uWin32PingSystem.cpp)
  target_link_libraries(kolvane_win32 PUBLIC ws2_32)
endif()
