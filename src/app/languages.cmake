# Localisation and the protection password: the portable logic, the catalogue of every resource
# string, the translation template, and the password prompt of the Windows program.
kolvane_portable_library(kolvane_languages
  uLanguages.cpp
  uPoFile.cpp
  uPotTemplate.cpp
  uTranslationCheck.cpp
)
target_link_libraries(kolvane_languages PUBLIC kolvane_core)

kolvane_portable_library(kolvane_protection
  uPasswordFormModel.cpp
  uProtection.cpp
)
target_link_libraries(kolvane_protection PUBLIC kolvane_app_core)

# The catalogue is written from the string headers at build time, so a text added to any unit
# is in it without touching this file; a header added or removed needs CMake to look again,
# which CONFIGURE_DEPENDS does on the next build.
find_program(KOLVANE_PYTHON python3 REQUIRED)
file(GLOB_RECURSE kolvane_string_headers CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/*.h)
set(kolvane_catalog_source ${CMAKE_CURRENT_BINARY_DIR}/uResourceCatalog.cpp)
add_custom_command(
  OUTPUT ${kolvane_catalog_source}
  COMMAND ${KOLVANE_PYTHON} ${PROJECT_SOURCE_DIR}/tools/gen-resource-catalog.py
          ${PROJECT_SOURCE_DIR}/src ${kolvane_catalog_source}
  DEPENDS ${PROJECT_SOURCE_DIR}/tools/gen-resource-catalog.py ${kolvane_string_headers}
  COMMENT "Gathering the resource strings"
  VERBATIM)
kolvane_portable_library(kolvane_resource_catalog ${kolvane_catalog_source})
target_link_libraries(kolvane_resource_catalog PUBLIC kolvane_core)

if(NOT CMAKE_CROSSCOMPILING)
  # The translation template, written with every build: build/<preset>/kolvane.pot.
  add_executable(kolvane-pot kolvane-pot.cpp)
  kolvane_target_options(kolvane-pot)
  target_link_libraries(kolvane-pot PRIVATE kolvane_languages kolvane_resource_catalog)
  add_custom_command(
    OUTPUT ${CMAKE_BINARY_DIR}/kolvane.pot
    COMMAND kolvane-pot ${CMAKE_BINARY_DIR}/kolvane.pot
    DEPENDS kolvane-pot
    COMMENT "Writing the translation template kolvane.pot"
    VERBATIM)
  add_custom_target(kolvane_pot ALL DEPENDS ${CMAKE_BINARY_DIR}/kolvane.pot)
endif()

if(WIN32)
  # The password prompt and the Language submenu join the windows of the application shell.
  target_sources(kolvane_app_gui PRIVATE languagemenu.cpp passwordform.cpp)
  target_link_libraries(kolvane_app_gui PUBLIC kolvane_languages kolvane_protection
                        kolvane_resource_catalog)
  set_property(SOURCE kolvane.rc APPEND PROPERTY OBJECT_DEPENDS
    ${CMAKE_CURRENT_SOURCE_DIR}/passwordform.rc ${CMAKE_CURRENT_SOURCE_DIR}/passwordform_res.h)
endif()
