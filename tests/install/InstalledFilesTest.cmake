# Installs the build into a fresh prefix and checks what a desktop finds
# there: exactly the executable, the desktop entry, the icon and the AppStream
# metainfo, all named by the application id, and pointing at one another.
# Usage: cmake -DBUILD_DIR=<build> -DPREFIX=<empty folder to install into> -P InstalledFilesTest.cmake

set(id org.example.kestrane)
set(expected
  bin/kestrane
  share/applications/${id}.desktop
  share/icons/hicolor/scalable/apps/${id}.svg
  share/metainfo/${id}.metainfo.xml)

file(REMOVE_RECURSE ${PREFIX})
execute_process(
  COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
  RESULT_VARIABLE status
  OUTPUT_VARIABLE output
  ERROR_VARIABLE output)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${status}):\n${output}")
endif()

file(GLOB_RECURSE installed LIST_DIRECTORIES false RELATIVE ${PREFIX} ${PREFIX}/*)
list(SORT installed)
if(NOT installed STREQUAL expected)
  string(REPLACE ";" "\n  " installed_lines "${installed}")
  string(REPLACE ";" "\n  " expected_lines "${expected}")
  message(FATAL_ERROR "installed:\n  ${installed_lines}\nexpected:\n  ${expected_lines}")
endif()

# The key's value in the desktop entry, which must have it exactly once.
function(desktop_entry_value key out)
  file(STRINGS ${PREFIX}/share/applications/${id}.desktop lines REGEX "^${key}=")
  list(LENGTH lines count)
  if(NOT count EQUAL 1)
    message(FATAL_ERROR "the desktop entry has ${count} lines ${key}=, not one")
  endif()
  string(REGEX REPLACE "^${key}=" "" value "${lines}")
  set(${out} "${value}" PARENT_SCOPE)
endfunction()

desktop_entry_value(Exec exec)
desktop_entry_value(Icon icon)
desktop_entry_value(StartupWMClass window_class)
if(NOT exec STREQUAL "kestrane" OR NOT EXISTS ${PREFIX}/bin/${exec})
  message(FATAL_ERROR "the desktop entry starts '${exec}', which is not the installed bin/kestrane")
endif()
if(NOT icon STREQUAL id)
  message(FATAL_ERROR "the desktop entry's icon is '${icon}', not the installed ${id}")
endif()
# Qt on X11 sets each window's class to the application's name.
if(NOT window_class STREQUAL "Kestrane")
  message(FATAL_ERROR "the desktop entry's window class is '${window_class}', not Kestrane")
endif()

file(READ ${PREFIX}/share/metainfo/${id}.metainfo.xml metainfo)
foreach(element "<id>${id}</id>" "<launchable type=\"desktop-id\">${id}.desktop</launchable>" "<binary>${exec}</binary>")
  string(FIND "${metainfo}" "${element}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the metainfo lacks ${element}")
  endif()
endforeach()
