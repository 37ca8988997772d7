# A source file written for one platform says so in its name: *_windows.cpp
# and windows_*.cpp build on Windows only; *_posix.cpp, posix_*.cpp and the
# pseudo-terminal's pty_*.cpp everywhere else.
function(brenmoor_platform_sources list_var)
    if(WIN32)
        list(FILTER ${list_var} EXCLUDE REGEX "/(posix_|pty_)[^/]*\\.cpp$|/[^/]*_posix(_test)?\\.cpp$")
    else()
        list(FILTER ${list_var} EXCLUDE REGEX "/windows_[^/]*\\.cpp$|/[^/]*_windows(_test)?\\.cpp$")
    endif()
    set(${list_var} ${${list_var}} PARENT_SCOPE)
endfunction()
