# Import libraries that load their DLL at the first call into it instead of at process start. Windows maps
# and initialises every directly imported DLL, and every DLL those import, before the program's first line
# runs: the file dialogs (which pull in the print spooler), accessibility and the multimedia timer cost the
# bar's start-up some 25 ms under Wine that way, the common controls (which the bar does not show) some 40 ms
# more. Loaded on first use, each is paid for only when a dialog, an accessibility client, the clock or a
# control first asks for it.
#
# Each .def lists the functions the program calls, with their 32-bit stdcall argument sizes; the 64-bit build
# has no decoration and drops them. A call into a function missing from its .def fails to link, not at run time.

function(tolvane_delay_import name)
  set(source ${PROJECT_SOURCE_DIR}/cmake/delayimports/${name}.def)
  set(folder ${CMAKE_BINARY_DIR}/delayimports)
  set(def ${folder}/${name}.def)
  set(library ${folder}/lib${name}_delay.a)
  file(READ ${source} text)
  set(options)
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    string(REGEX REPLACE "@[0-9]+" "" text "${text}")
  else()
    set(options --kill-at)
  endif()
  file(GENERATE OUTPUT ${def} CONTENT "${text}")
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
  add_custom_command(
    OUTPUT ${library}
    COMMAND ${CMAKE_DLLTOOL} --input-def ${def} --dllname ${name}.dll --output-delaylib ${library} ${options}
    DEPENDS ${def}
    VERBATIM)
  add_custom_target(tolvane_delay_${name}_library DEPENDS ${library})
  add_library(tolvane_delay_${name} INTERFACE)
  add_dependencies(tolvane_delay_${name} tolvane_delay_${name}_library)
  # delayimp holds the loader that the first call goes through.
  target_link_libraries(tolvane_delay_${name} INTERFACE ${library} delayimp)
endfunction()

if(WIN32)
  foreach(name comctl32 comdlg32 oleacc oleaut32 winmm)
    tolvane_delay_import(${name})
  endforeach()
endif()
