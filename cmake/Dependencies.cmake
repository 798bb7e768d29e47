# Third-party libraries. Natively they come from Debian's -dev packages; for Windows, zlib comes from
# libz-mingw-w64-dev and libpng is cross-built from Debian's source package into this build tree's deps/
# (cached there, so removing the build tree removes it too).

if(WIN32)
  set(TOLVANE_DEPS_PREFIX ${CMAKE_BINARY_DIR}/deps)
  if(NOT EXISTS ${TOLVANE_DEPS_PREFIX}/lib/libpng16.a)
    message(STATUS "Cross-building libpng for ${CMAKE_SYSTEM_PROCESSOR}")
    execute_process(COMMAND ${PROJECT_SOURCE_DIR}/scripts/build-libpng-mingw ${CMAKE_SYSTEM_PROCESSOR}
                            ${TOLVANE_DEPS_PREFIX}
                    RESULT_VARIABLE libpng_result)
    if(NOT libpng_result EQUAL 0)
      message(FATAL_ERROR "Cross-building libpng failed")
    endif()
  endif()
  add_library(tolvane_zlib STATIC IMPORTED GLOBAL)
  set_target_properties(tolvane_zlib PROPERTIES IMPORTED_LOCATION /usr/${TOLVANE_MINGW_TRIPLE}/lib/libz.a
                        INTERFACE_INCLUDE_DIRECTORIES /usr/${TOLVANE_MINGW_TRIPLE}/include)
  add_library(tolvane_png STATIC IMPORTED GLOBAL)
  set_target_properties(tolvane_png PROPERTIES IMPORTED_LOCATION ${TOLVANE_DEPS_PREFIX}/lib/libpng16.a
                        INTERFACE_INCLUDE_DIRECTORIES ${TOLVANE_DEPS_PREFIX}/include
                        INTERFACE_LINK_LIBRARIES tolvane_zlib)
else()
  find_package(PNG REQUIRED)
  find_package(ZLIB REQUIRED)
  find_package(ICU REQUIRED COMPONENTS uc i18n)
  add_library(tolvane_png INTERFACE)
  target_link_libraries(tolvane_png INTERFACE PNG::PNG ZLIB::ZLIB)
endif()
