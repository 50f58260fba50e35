# User inactivity and power: the kinds, the input and power monitors behind them, and what the
# main window applies to the planner on sleep and wake-up.
target_sources(kolvane_events PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/uEventBattery.cpp
  ${CMAKE_CURRENT_LIST_DIR}/uEventLid.cpp
  ${CMAKE_CURRENT_LIST_DIR}/uEventUserInactive.cpp
  ${CMAKE_CURRENT_LIST_DIR}/uInputActivity.cpp
  ${CMAKE_CURRENT_LIST_DIR}/uPowerNotify.cpp
  ${CMAKE_CURRENT_LIST_DIR}/uPowerStatus.cpp
  ${CMAKE_CURRENT_LIST_DIR}/uSleepWake.cpp
  ${CMAKE_CURRENT_LIST_DIR}/uTimerInactivity.cpp
)
