# Makes the Windows packages from the folder CPack staged: the zip, the same
# byte for byte from the same commit wherever and whenever it is built, and
# the installer (packaging/win32/installer.nsi).
set(_stage ${CPACK_TEMPORARY_DIRECTORY})
set(_name ${CPACK_PACKAGE_FILE_NAME})
set(_work ${CPACK_TOPLEVEL_DIRECTORY}/morvex-win64)
file(REMOVE_RECURSE ${_work})
file(MAKE_DIRECTORY ${_work})

# Every file is dated by the commit (or SOURCE_DATE_EPOCH), in UTC.
if(DEFINED ENV{SOURCE_DATE_EPOCH})
  set(_epoch $ENV{SOURCE_DATE_EPOCH})
else()
  execute_process(COMMAND git -C ${CPACK_MORVEX_SOURCE_DIR} log -1 --format=%ct
                  OUTPUT_VARIABLE _epoch OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE _result)
  if(NOT _result EQUAL 0)
    set(_epoch 0)
  endif()
endif()

file(COPY ${_stage}/ DESTINATION ${_work}/${_name})
# zip adds to an archive that is there already; each package is made anew.
file(REMOVE ${CPACK_PACKAGE_DIRECTORY}/${_name}.zip ${CPACK_PACKAGE_DIRECTORY}/${_name}-setup.exe)
execute_process(
  COMMAND sh -c "find '${_name}' -type d -exec chmod 755 {} + && find '${_name}' -type f -exec chmod 644 {} + &&
                 find '${_name}' -exec touch -h -d @${_epoch} {} + &&
                 find '${_name}' -type f | LC_ALL=C sort | TZ=UTC zip -q -X -D -@ '${CPACK_PACKAGE_DIRECTORY}/${_name}.zip'"
  WORKING_DIRECTORY ${_work} RESULT_VARIABLE _result)
if(NOT _result EQUAL 0)
  message(FATAL_ERROR "zip failed")
endif()

# What the uninstaller takes away again: the files installed, nothing else.
file(GLOB_RECURSE _installed RELATIVE ${_stage} ${_stage}/*)
list(SORT _installed)
set(_uninstall "")
set(_folders "")
foreach(_f IN LISTS _installed)
  string(REPLACE "/" "\\" _w "${_f}")
  string(APPEND _uninstall "Delete \"$INSTDIR\\${_w}\"\n")
  get_filename_component(_d "${_f}" DIRECTORY)
  if(_d)
    list(APPEND _folders "${_d}")
  endif()
endforeach()
list(REMOVE_DUPLICATES _folders)
foreach(_d IN LISTS _folders)
  string(REPLACE "/" "\\" _w "${_d}")
  string(APPEND _uninstall "RMDir \"$INSTDIR\\${_w}\"\n")
endforeach()
file(WRITE ${_work}/uninstall.nsh "${_uninstall}")
execute_process(
  COMMAND makensis -V2 -DVERSION=${CPACK_MORVEX_VERSION} -DSTAGE=${_stage}
          -DUNINSTALL=${_work}/uninstall.nsh -DICON=${CPACK_MORVEX_SOURCE_DIR}/assets/morvex.ico
          -DOUTFILE=${CPACK_PACKAGE_DIRECTORY}/${_name}-setup.exe
          ${CPACK_MORVEX_SOURCE_DIR}/packaging/win32/installer.nsi
  RESULT_VARIABLE _result)
if(NOT _result EQUAL 0)
  message(FATAL_ERROR "makensis failed")
endif()
