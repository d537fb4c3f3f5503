# The libraries a Windows build of Welvaro loads besides Windows' own: the
# MinGW-w64 runtime, GMP and MPFR (Qt's come with its deployment). Sets
#   WELVARO_RUNTIME_DLLS      their files
#   WELVARO_WINE_ENVIRONMENT  the environment in which Wine finds them and
#                             runs in the build folder's own prefix
set(WELVARO_RUNTIME_DLLS)
foreach(runtime IN ITEMS libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${runtime}
                  OUTPUT_VARIABLE file OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${file}")
    message(FATAL_ERROR "${CMAKE_CXX_COMPILER} does not know ${runtime}")
  endif()
  list(APPEND WELVARO_RUNTIME_DLLS ${file})
endforeach()
foreach(library IN ITEMS gmp mpfr)
  file(GLOB file LIST_DIRECTORIES false ${WELVARO_WINDOWS_LIBRARIES}/bin/lib${library}-*.dll)
  list(APPEND WELVARO_RUNTIME_DLLS ${file})
endforeach()

set(wine_path)
foreach(file IN LISTS WELVARO_RUNTIME_DLLS)
  get_filename_component(folder ${file} DIRECTORY)
  list(APPEND wine_path "Z:${folder}")
endforeach()
list(REMOVE_DUPLICATES wine_path)
list(JOIN wine_path "\\;" wine_path)
set(WELVARO_WINE_ENVIRONMENT
    "WINEPATH=${wine_path}" "WINEPREFIX=${PROJECT_BINARY_DIR}/wine-prefix" "WINEDEBUG=-all"
    "WINEDLLOVERRIDES=mscoree,mshtml=")
