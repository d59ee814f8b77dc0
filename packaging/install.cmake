# Two layouts of one program. Tavrook finds its language files and help pages beside
# the executable, so both keep them together:
# - portable: one folder holding everything (the per-user install script and the
#   archive); the settings file lives beside the program;
# - system: the program folder under lib/tavrook, bin/tavrook linked to it, and the
#   desktop entry, icons and AppStream metainfo at their freedesktop places (the
#   Debian package); the settings go to the user's configuration folder.
# TAVROOK_LAYOUT says which one a plain `cmake --install` lays down; the other is
# there as an install component of its own.
if(TAVROOK_LAYOUT STREQUAL "portable")
    set(portable_default)
    set(system_default EXCLUDE_FROM_ALL)
elseif(TAVROOK_LAYOUT STREQUAL "system")
    set(portable_default EXCLUDE_FROM_ALL)
    set(system_default)
else()
    message(FATAL_ERROR "TAVROOK_LAYOUT must be portable or system, not ${TAVROOK_LAYOUT}")
endif()

set(id org.example.Tavrook)
set(data ${PROJECT_SOURCE_DIR}/data)
file(GLOB language_files CONFIGURE_DEPENDS ${data}/language/*.lf)
file(GLOB help_files CONFIGURE_DEPENDS ${data}/help/*.html)
file(GLOB icon_files CONFIGURE_DEPENDS ${data}/icons/*.png)

function(tavrook_program_folder component destination)
    set(options COMPONENT ${component} ${ARGN})
    install(TARGETS Tavrook RUNTIME DESTINATION ${destination} ${options})
    install(FILES ${language_files} DESTINATION ${destination}/language ${options})
    install(FILES ${help_files} ${data}/tavrook.svg DESTINATION ${destination} ${options})
    install(FILES ${icon_files} DESTINATION ${destination}/icons ${options})
endfunction()

tavrook_program_folder(portable . ${portable_default})

set(program lib/tavrook)
tavrook_program_folder(system ${program} ${system_default})
set(system COMPONENT system ${system_default})
set(staged ${PROJECT_BINARY_DIR}/system)
file(MAKE_DIRECTORY ${staged})
file(CREATE_LINK ../${program}/Tavrook ${staged}/tavrook SYMBOLIC)
install(FILES ${staged}/tavrook DESTINATION bin ${system})

file(READ ${data}/${id}.desktop.in desktop)
string(REPLACE "@TAVROOK_EXEC@" "tavrook" desktop "${desktop}")
string(REGEX REPLACE "Path=[^\n]*\n" "" desktop "${desktop}")
file(WRITE ${staged}/${id}.desktop "${desktop}")
install(FILES ${staged}/${id}.desktop DESTINATION share/applications ${system})

file(READ ${data}/${id}.metainfo.xml metainfo)
string(REPLACE "<binary>Tavrook</binary>" "<binary>tavrook</binary>" metainfo "${metainfo}")
file(WRITE ${staged}/${id}.metainfo.xml "${metainfo}")
install(FILES ${staged}/${id}.metainfo.xml DESTINATION share/metainfo ${system})

install(FILES ${data}/tavrook.svg DESTINATION share/icons/hicolor/scalable/apps RENAME ${id}.svg ${system})
foreach(png ${icon_files})
    string(REGEX MATCH "[0-9]+" size ${png})
    install(FILES ${png} DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME ${id}.png ${system})
endforeach()

# What Debian asks of every package: the copyright, a compressed change log and a
# manual page for the command.
file(COPY_FILE ${PROJECT_SOURCE_DIR}/packaging/copyright ${staged}/copyright)
execute_process(COMMAND gzip -9nc ${PROJECT_SOURCE_DIR}/packaging/changelog
                OUTPUT_FILE ${staged}/changelog.gz COMMAND_ERROR_IS_FATAL ANY)
install(FILES ${staged}/copyright ${staged}/changelog.gz DESTINATION share/doc/tavrook ${system})
execute_process(COMMAND gzip -9nc ${PROJECT_SOURCE_DIR}/packaging/tavrook.1
                OUTPUT_FILE ${staged}/tavrook.1.gz COMMAND_ERROR_IS_FATAL ANY)
install(FILES ${staged}/tavrook.1.gz DESTINATION share/man/man1 ${system})

# cpack -G TGZ: the portable folder, unpacked anywhere writable and run as ./Tavrook.
# cpack -G DEB: the system layout as a Debian package.
set(CPACK_GENERATOR TGZ)
set(CPACK_PACKAGE_NAME Tavrook)
set(CPACK_PACKAGE_VENDOR "The Tavrook developers")
set(CPACK_PACKAGE_FILE_NAME "Tavrook-${PROJECT_VERSION}-Linux")
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "compose the beacon comment of an APRS station")
set(CPACK_DEBIAN_PACKAGE_NAME tavrook)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Tavrook developers <maintainers@tavrook.example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${TAVROOK_WEB_ADDRESS})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own texts (the boxes' context menus, the message boxes' buttons) in the user's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGE_DESCRIPTION "Tavrook composes the free-text beacon comment that an APRS station sends
with its position report: PHG (power, height, gain and directivity), the
antenna altitude, the operating voice frequency with its repeater tone, and
a free text. It cuts the comment to 43 bytes, previews it on the
displays of three Kenwood radios and copies it to the clipboard.")
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/packaging/CPackGenerators.cmake)
include(CPack)
