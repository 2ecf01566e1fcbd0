# Makes the browser package from the folder CPack staged: the zip, the same
# byte for byte from the same commit wherever and whenever it is built.
include(${CPACK_MORVEX_SOURCE_DIR}/packaging/Zip.cmake)
morvex_zip(${CPACK_TEMPORARY_DIRECTORY} ${CPACK_TOPLEVEL_DIRECTORY}/morvex-web ${CPACK_PACKAGE_FILE_NAME})
