# The ports of the options dialog (the thread's execution state, the local network): their
# simulation joins kolvane_sim, their Windows adapters join kolvane_win32.
target_sources(kolvane_sim PRIVATE
  sim/uSimExecutionState.cpp
  sim/uSimLocalNetwork.cpp
)

if(WIN32)
  target_sources(kolvane_win32 PRIVATE
    win32/uWin32ExecutionState.cpp
    win32/uWin32LocalNetwork.cpp
  )
  target_link_libraries(kolvane_win32 PUBLIC ws2_32)
endif()
