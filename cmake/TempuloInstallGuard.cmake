# SPDX-License-Identifier: GPL-3.0-or-later
# Runs at install time before the first file is copied (see TempuloInstall.cmake,
# which sets TEMPULO_INSTALL_SOURCES, TEMPULO_INSTALL_DIRS and TEMPULO_BUILD_DIR).
#
# CMake copies file by file and writes its manifest only at the end, so an
# install that fails half-way leaves files behind that no uninstall knows of.
# Checking first that every file is built and every folder can be written
# makes the usual failures (a build without its man pages, a system prefix
# without root) end the install with nothing copied.
#
# It also notes which folders the install is about to make, so that the
# uninstall removes them again once they are empty, and never a folder that
# was there before.

cmake_path(SET tempulo_root NORMALIZE "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
set(tempulo_root_slash "${tempulo_root}")
if(NOT tempulo_root MATCHES "/$")
  string(APPEND tempulo_root_slash "/")
endif()

set(tempulo_missing)
foreach(source IN LISTS TEMPULO_INSTALL_SOURCES)
  if(NOT EXISTS "${source}")
    string(APPEND tempulo_missing "\n  ${source}")
  endif()
endforeach()
if(tempulo_missing)
  message(FATAL_ERROR "Tempulo: nichts installiert – im Build ${TEMPULO_BUILD_DIR} fehlt, was die "
    "Installation kopiert:${tempulo_missing}\nZuerst bauen: cmake --build ${TEMPULO_BUILD_DIR}")
endif()

set(TEMPULO_CREATED_DIRS)
set(tempulo_unwritable)
foreach(dir IN LISTS TEMPULO_INSTALL_DIRS)
  if(IS_ABSOLUTE "${dir}")
    cmake_path(SET path NORMALIZE "$ENV{DESTDIR}${dir}")
  else()
    cmake_path(SET path NORMALIZE "${tempulo_root}/${dir}")
  endif()
  # Up to the first folder that exists; a path has far fewer than 64 parts.
  foreach(step RANGE 64)
    if(EXISTS "${path}" OR path STREQUAL "/" OR path STREQUAL "")
      break()
    endif()
    string(FIND "${path}/" "${tempulo_root_slash}" at)
    if(at EQUAL 0)
      list(APPEND TEMPULO_CREATED_DIRS "${path}")
    endif()
    cmake_path(GET path PARENT_PATH path)
  endforeach()
  if(NOT IS_DIRECTORY "${path}")
    list(APPEND tempulo_unwritable "${path} (kein Ordner)")
    continue()
  endif()
  execute_process(COMMAND test -w "${path}" RESULT_VARIABLE not_writable)
  if(not_writable)
    list(APPEND tempulo_unwritable "${path}")
  endif()
endforeach()
if(tempulo_unwritable)
  list(REMOVE_DUPLICATES tempulo_unwritable)
  list(JOIN tempulo_unwritable "\n  " tempulo_unwritable)
  message(FATAL_ERROR "Tempulo: nichts installiert – in diese Ordner darf dieser Benutzer nicht "
    "schreiben:\n  ${tempulo_unwritable}\nAls root installieren (sudo cmake --install ${TEMPULO_BUILD_DIR}) "
    "oder für einen Benutzer: cmake --install ${TEMPULO_BUILD_DIR} --prefix ~/.local")
endif()
list(REMOVE_DUPLICATES TEMPULO_CREATED_DIRS)

# Root installing from a build that belongs to someone else: the manifest and
# the folder list stay the build owner's files, so that the owner can still
# rebuild, reinstall into a prefix of their own and remove the build.
execute_process(COMMAND id -u OUTPUT_VARIABLE tempulo_uid OUTPUT_STRIP_TRAILING_WHITESPACE)
execute_process(COMMAND stat -c %u:%g "${TEMPULO_BUILD_DIR}"
  OUTPUT_VARIABLE tempulo_build_owner OUTPUT_STRIP_TRAILING_WHITESPACE)
if(tempulo_uid STREQUAL "0" AND NOT tempulo_build_owner MATCHES "^0:")
  foreach(name install_manifest.txt install_directories.txt)
    set(file "${TEMPULO_BUILD_DIR}/${name}")
    if(IS_SYMLINK "${file}")
      file(REMOVE "${file}")
    endif()
    file(TOUCH "${file}")
    execute_process(COMMAND chown -h "${tempulo_build_owner}" "${file}")
  endforeach()
endif()

# Called by the last install rule: the folders made now, together with those
# earlier installs from this build made (installing again makes no folder),
# one a line. The uninstall removes only the empty ones, so a folder of
# another prefix that still holds files stays.
function(tempulo_record_created_dirs)
  set(record "${TEMPULO_BUILD_DIR}/install_directories.txt")
  set(dirs ${TEMPULO_CREATED_DIRS})
  if(EXISTS "${record}")
    file(STRINGS "${record}" earlier)
    list(APPEND dirs ${earlier})
  endif()
  list(REMOVE_DUPLICATES dirs)
  list(SORT dirs)
  list(JOIN dirs "\n" text)
  if(text)
    string(APPEND text "\n")
  endif()
  file(WRITE "${record}" "${text}")
endfunction()
