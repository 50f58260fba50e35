# Options shared by every target that holds Kolvane's own code.

# Warnings are errors in our code only; third-party sources (GoogleTest) keep their own flags.
function(kolvane_target_options target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor)
  # GCC 12 reports a false -Wrestrict overlap in std::string's operator+ at -O2 (GCC bug 105651).
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(${target} PRIVATE -Wno-restrict)
  endif()
  if(KOLVANE_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

# A portable library: builds in both targets and never sees an OS header.
function(kolvane_portable_library target)
  add_library(${target} STATIC ${ARGN})
  kolvane_target_options(${target})
endfunction()

# MinGW must not see /usr/include, so Boost reaches the Windows build through a folder that
# holds nothing but a link to /usr/include/boost.
function(kolvane_boost_include_folder out_var)
  set(folder ${CMAKE_BINARY_DIR}/boost-include)
  if(NOT EXISTS /usr/include/boost/version.hpp)
    message(FATAL_ERROR "Boost headers not found in /usr/include/boost (run tools/setup.sh)")
  endif()
  file(MAKE_DIRECTORY ${folder})
  file(CREATE_LINK /usr/include/boost ${folder}/boost SYMBOLIC)
  set(${out_var} ${folder} PARENT_SCOPE)
endfunction()

# Adds Boost headers to a target that needs Asio or Beast.
function(kolvane_use_boost target)
  if(WIN32)
    target_include_directories(${target} SYSTEM PUBLIC ${KOLVANE_BOOST_INCLUDE})
    target_link_libraries(${target} PUBLIC ws2_32 mswsock)
  endif()
  # Boost 1.74's Asio uses std::exchange without including <utility> in C++20 mode.
  target_compile_options(${target} PUBLIC -include utility)
endfunction()
