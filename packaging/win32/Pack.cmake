# Makes the Windows packages from the folder CPack staged: the zip, the same
# byte for byte from the same commit wherever and whenever it is built, and
# the installer (packaging/win32/installer.nsi).
set(_stage ${CPACK_TEMPORARY_DIRECTORY})
set(_name ${CPACK_PACKAGE_FILE_NAME})
set(_work ${CPACK_TOPLEVEL_DIRECTORY}/morvex-win64)

include(${CPACK_MORVEX_SOURCE_DIR}/packaging/Zip.cmake)
morvex_zip(${_stage} ${_work} ${_name})
file(REMOVE ${CPACK_PACKAGE_DIRECTORY}/${_name}-setup.exe)

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
