# The rules core is shared by the window, the headless runner and the tests, and it must stay
# free of Qt. These checks make a Qt include or a Qt link in the core a configure error rather
# than a code-review remark. The core is also compiled without any Qt include path, so an
# include that slips past the scan still fails to compile.

function(kvelta_assert_qt_free sources)
    set(offenders)
    foreach(src IN LISTS sources)
        file(STRINGS "${src}" hits REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"](Q[A-Za-z]|qt|Qt)")
        if(hits)
            list(APPEND offenders "${src}: ${hits}")
        endif()
    endforeach()
    if(offenders)
        string(REPLACE ";" "\n  " msg "${offenders}")
        message(FATAL_ERROR "The core must not include Qt:\n  ${msg}")
    endif()
endfunction()

function(kvelta_assert_no_qt_link target)
    get_target_property(libs ${target} LINK_LIBRARIES)
    get_target_property(ilibs ${target} INTERFACE_LINK_LIBRARIES)
    foreach(lib IN LISTS libs ilibs)
        if(lib MATCHES "Qt[0-9]*::|[Qq]t[0-9]")
            message(FATAL_ERROR "${target} must not link Qt (found ${lib})")
        endif()
    endforeach()
endfunction()
