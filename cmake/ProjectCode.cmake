# Compiler settings for the project's own targets (third-party code is built without them).
function(tolvane_project_code target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror -Wshadow -Wnon-virtual-dtor)
  if(WIN32)
    target_compile_definitions(${target} PRIVATE UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601
                                                 WINVER=0x0601)
  endif()
endfunction()

if(WIN32)
  # Executables need only system DLLs: the compiler's runtime and winpthread are linked in.
  string(APPEND CMAKE_EXE_LINKER_FLAGS " -static -static-libgcc -static-libstdc++")
endif()
