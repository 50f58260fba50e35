# The usage events (CPU, network, hard disk) and the samplers behind them.
target_sources(kolvane_events PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/uCircularSeries.cpp
  ${CMAKE_CURRENT_LIST_DIR}/uCPUUsageData.cpp
  ${CMAKE_CURRENT_LIST_DIR}/uEventCPUUsage.cpp
  ${CMAKE_CURRENT_LIST_DIR}/uEventHardDiskUsage.cpp
  ${CMAKE_CURRENT_LIST_DIR}/uEventNetworkUsage.cpp
  ${CMAKE_CURRENT_LIST_DIR}/uIPUtils.cpp
  ${CMAKE_CURRENT_LIST_DIR}/uPerfCounters.cpp
  ${CMAKE_CURRENT_LIST_DIR}/uPerfDataReader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/uUsageText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/uWMI.cpp
)
# The CPU sampler tells Windows versions apart with the actions' version levels.
target_link_libraries(kolvane_events PUBLIC kolvane_actions)
