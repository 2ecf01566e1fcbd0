# morvex_zip(STAGE WORK NAME): packs the folder STAGE as NAME/ into
# ${CPACK_PACKAGE_DIRECTORY}/NAME.zip, the same byte for byte from the same
# commit wherever and whenever it is built: every file dated by the commit (or
# SOURCE_DATE_EPOCH) in UTC, the same modes, in one order. WORK is a scratch
# folder of its own.
function(morvex_zip stage work name)
  file(REMOVE_RECURSE ${work})
  file(MAKE_DIRECTORY ${work})
  if(DEFINED ENV{SOURCE_DATE_EPOCH})
    set(_epoch $ENV{SOURCE_DATE_EPOCH})
  else()
    execute_process(COMMAND git -C ${CPACK_MORVEX_SOURCE_DIR} log -1 --format=%ct
                    OUTPUT_VARIABLE _epoch OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE _result)
    if(NOT _result EQUAL 0)
      set(_epoch 0)
    endif()
  endif()
  file(COPY ${stage}/ DESTINATION ${work}/${name})
  # zip adds to an archive that is there already; each package is made anew.
  file(REMOVE ${CPACK_PACKAGE_DIRECTORY}/${name}.zip)
  execute_process(
    COMMAND sh -c "find '${name}' -type d -exec chmod 755 {} + && find '${name}' -type f -exec chmod 644 {} + &&
                   find '${name}' -exec touch -h -d @${_epoch} {} + &&
                   find '${name}' -type f | LC_ALL=C sort | TZ=UTC zip -q -X -D -@ '${CPACK_PACKAGE_DIRECTORY}/${name}.zip'"
    WORKING_DIRECTORY ${work} RESULT_VARIABLE _result)
  if(NOT _result EQUAL 0)
    message(FATAL_ERROR "zip failed")
  endif()
endfunction()
