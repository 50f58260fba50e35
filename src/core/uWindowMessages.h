#pragma once

#include <cstdint>

// Private window messages of the program, numbered from the system's first user message.
inline constexpr std::uint32_t WM_USER_BASE = 1024;
inline constexpr std::uint32_t WM_START_AFTER_PRESET = WM_USER_BASE + 10;
inline constexpr std::uint32_t WM_PLANNER_EVALUATE = WM_USER_BASE + 20;
inline constexpr std::uint32_t WM_WEB_EXECUTE_ACTION = WM_USER_BASE + 30;
inline constexpr std::uint32_t WM_WEB_START_PRESET = WM_USER_BASE + 31;
inline constexpr std::uint32_t WM_WEB_CLOSE = WM_USER_BASE + 32;
inline constexpr std::uint32_t WM_MESSAGE_HIDE_CARET = WM_USER_BASE + 100;
inline constexpr std::uint32_t WM_PING_RESULT = WM_USER_BASE + 395;
