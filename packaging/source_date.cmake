# Read by cpack before it packages. cpack dates every file of the package to
# SOURCE_DATE_EPOCH; taken from the last commit (or, outside a git checkout,
# from the changelog), the same commit always gives the same package.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  execute_process(COMMAND git log -1 --format=%ct
                  WORKING_DIRECTORY ${CPACK_WELVARO_SOURCE_DIR}
                  OUTPUT_VARIABLE source_date OUTPUT_STRIP_TRAILING_WHITESPACE
                  RESULT_VARIABLE status ERROR_QUIET)
  if(NOT status EQUAL 0)
    execute_process(COMMAND dpkg-parsechangelog -l ${CPACK_WELVARO_SOURCE_DIR}/packaging/changelog
                            -S Timestamp
                    OUTPUT_VARIABLE source_date OUTPUT_STRIP_TRAILING_WHITESPACE)
  endif()
  set(ENV{SOURCE_DATE_EPOCH} ${source_date})
endif()
