# The ports of the usage samplers (performance data, IP Helper, WMI, registry): their simulation
# joins kolvane_sim, their Windows adapters join kolvane_win32.
target_sources(kolvane_sim PRIVATE
  sim/uPerfDataBlockBuilder.cpp
  sim/uSimIpHelper.cpp
  sim/uSimPerformanceData.cpp
  sim/uSimRegistry.cpp
  sim/uSimWmi.cpp
)

if(WIN32)
  target_sources(kolvane_win32 PRIVATE
    win32/uWin32IpHelper.cpp
    win32/uWin32PerformanceData.cpp
    win32/uWin32Registry.cpp
    win32/uWin32Wmi.cpp
  )
  # iphlpapi.dll is loaded by name at run time, so it is not linked.
  target_link_libraries(kolvane_win32 PUBLIC advapi32 ole32 oleaut32 wbemuuid)
endif()
