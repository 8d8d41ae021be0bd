# Run by `cmake --install`. A file manager offers the program for "*.reg" files (the cheque
# models' backup) only when the desktop's MIME database knows the registry-script type.
# shared-mime-info defines it on most systems; where none of the system's data folders
# does, the program's own definition is installed and the prefix's database brought up to
# date (not when staging into DESTDIR: the packaging's triggers do that).
#
# In: TARVELO_MIME_PACKAGE (the definition's source), TARVELO_MIME_NAME (its installed
# name), TARVELO_DATADIR (relative to the prefix).

set(type "text/x-ms-regedit")
if("$ENV{XDG_DATA_DIRS}" STREQUAL "")
  set(system_dirs /usr/local/share /usr/share)
else()
  string(REPLACE ":" ";" system_dirs "$ENV{XDG_DATA_DIRS}")
endif()

set(known FALSE)
foreach(dir IN LISTS system_dirs)
  file(GLOB packages "${dir}/mime/packages/*.xml")
  foreach(package IN LISTS packages)
    get_filename_component(name "${package}" NAME)
    if(NOT name STREQUAL TARVELO_MIME_NAME)
      file(STRINGS "${package}" defines REGEX "<mime-type type=\"${type}\"")
      if(defines)
        set(known TRUE)
      endif()
    endif()
  endforeach()
endforeach()

if(known)
  message(STATUS "The system's MIME database defines ${type}: no definition of ours installed")
  return()
endif()
set(mime_dir "${CMAKE_INSTALL_PREFIX}/${TARVELO_DATADIR}/mime")
file(INSTALL DESTINATION "${mime_dir}/packages" TYPE FILE RENAME "${TARVELO_MIME_NAME}"
     FILES "${TARVELO_MIME_PACKAGE}")
find_program(update_mime update-mime-database)
if(update_mime AND "$ENV{DESTDIR}" STREQUAL "")
  execute_process(COMMAND "${update_mime}" "${mime_dir}" RESULT_VARIABLE failed)
  if(failed)
    message(WARNING "update-mime-database ${mime_dir} failed: files named *.reg may not open with the program")
  endif()
endif()
