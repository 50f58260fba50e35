# The ports of the web interface's pages: the machine's up time and user.
target_sources(kolvane_sim PRIVATE
  sim/uSimSystemInformation.cpp
)

if(WIN32)
  target_sources(kolvane_win32 PRIVATE
    win32/uWin32MessagePoster.cpp
    win32/uWin32SystemInformation.cpp
  )
  target_link_libraries(kolvane_win32 PUBLIC advapi32)
endif()
