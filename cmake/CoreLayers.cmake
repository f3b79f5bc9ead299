# The rules core is built as layers, one static library each, and a layer may use only the
# layers below it. Three checks make a dependency that runs back up a build error rather than a
# code-review remark:
#  - at configure time every core file's includes are scanned: an include of a folder of a
#    layer above (or beside) its own stops the configuration with the file and the include;
#  - each layer compiles with the headers of its own folders and of the layers below only, so
#    an upward include that appears after configuring fails to compile;
#  - each layer is linked whole, with only the layers below it, into a small check program, so
#    a call that runs back up (through a declaration written by hand) fails to link.
# Every folder under src/ belongs to a layer except the window's: a new folder cannot slip past
# these checks or the Qt-free one.

set(KVELTA_LAYERS "")

# kvelta_core_layer(NAME FOLDERS f... [BELOW layer...])
function(kvelta_core_layer name)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "FOLDERS;BELOW")
    set(sources "")
    foreach(folder IN LISTS arg_FOLDERS)
        file(GLOB_RECURSE found CONFIGURE_DEPENDS
            ${CMAKE_SOURCE_DIR}/src/${folder}/*.cpp ${CMAKE_SOURCE_DIR}/src/${folder}/*.h)
        list(APPEND sources ${found})
    endforeach()

    # The folders this layer may include: its own and, through the layers below, theirs.
    set(allowed ${arg_FOLDERS})
    foreach(below IN LISTS arg_BELOW)
        get_property(below_allowed GLOBAL PROPERTY KVELTA_LAYER_ALLOWED_${below})
        if(NOT below_allowed)
            message(FATAL_ERROR "layer ${name}: ${below} must be declared before it")
        endif()
        list(APPEND allowed ${below_allowed})
    endforeach()
    list(REMOVE_DUPLICATES allowed)
    set_property(GLOBAL PROPERTY KVELTA_LAYER_ALLOWED_${name} ${allowed})
    set_property(GLOBAL PROPERTY KVELTA_LAYER_FOLDERS_${name} ${arg_FOLDERS})
    set_property(GLOBAL PROPERTY KVELTA_LAYER_SOURCES_${name} ${sources})
    set_property(GLOBAL APPEND PROPERTY KVELTA_LAYERS ${name})

    # The layer's own view of the sources: a folder of links to its folders.
    set(view ${CMAKE_BINARY_DIR}/layers/${name})
    file(MAKE_DIRECTORY ${view})
    file(GLOB stale LIST_DIRECTORIES true ${view}/*)
    foreach(link IN LISTS stale)
        if(IS_SYMLINK ${link})
            file(REMOVE ${link})  # the link only, never what it points to
        endif()
    endforeach()
    foreach(folder IN LISTS arg_FOLDERS)
        file(CREATE_LINK ${CMAKE_SOURCE_DIR}/src/${folder} ${view}/${folder} SYMBOLIC)
    endforeach()

    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC ${view})
    target_link_libraries(${name} PUBLIC ${arg_BELOW})

    # Linked whole with only the layers below: an unresolved call upwards fails here.
    set(main ${CMAKE_BINARY_DIR}/layers/link_check_main.cpp)
    if(NOT EXISTS ${main})
        file(WRITE ${main} "int main() { return 0; }\n")
    endif()
    add_executable(${name}_link_check ${main})
    target_link_libraries(${name}_link_check PRIVATE "$<LINK_LIBRARY:WHOLE_ARCHIVE,${name}>")
endfunction()

# Every core file may include only folders its layer allows (folders under src/ only; the
# standard library and system headers are not looked at).
function(kvelta_assert_layered_includes)
    file(GLOB src_entries LIST_DIRECTORIES true ${CMAKE_SOURCE_DIR}/src/*)
    set(src_folders "")
    foreach(entry IN LISTS src_entries)
        if(IS_DIRECTORY ${entry})
            get_filename_component(folder ${entry} NAME)
            list(APPEND src_folders ${folder})
        endif()
    endforeach()
    get_property(layers GLOBAL PROPERTY KVELTA_LAYERS)
    set(offenders "")
    foreach(layer IN LISTS layers)
        get_property(allowed GLOBAL PROPERTY KVELTA_LAYER_ALLOWED_${layer})
        get_property(sources GLOBAL PROPERTY KVELTA_LAYER_SOURCES_${layer})
        foreach(src IN LISTS sources)
            file(STRINGS "${src}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"][^/>\"]+/")
            foreach(line IN LISTS includes)
                string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*[<\"]([^/>\"]+)/.*" "\\1" folder
                    "${line}")
                if(folder IN_LIST src_folders AND NOT folder IN_LIST allowed)
                    file(RELATIVE_PATH rel ${CMAKE_SOURCE_DIR} ${src})
                    string(STRIP "${line}" line)
                    list(APPEND offenders "${rel} (${layer}): ${line}")
                endif()
            endforeach()
        endforeach()
    endforeach()
    if(offenders)
        string(REPLACE ";" "\n  " msg "${offenders}")
        message(FATAL_ERROR "A core layer includes a layer above or beside it:\n  ${msg}")
    endif()
endfunction()

# Every folder under src/ belongs to exactly one layer, except those named (the window's).
function(kvelta_assert_every_folder_layered)
    set(outside ${ARGN})
    get_property(layers GLOBAL PROPERTY KVELTA_LAYERS)
    set(layered "")
    foreach(layer IN LISTS layers)
        get_property(folders GLOBAL PROPERTY KVELTA_LAYER_FOLDERS_${layer})
        foreach(folder IN LISTS folders)
            if(folder IN_LIST layered)
                message(FATAL_ERROR "src/${folder} is in two layers")
            endif()
            list(APPEND layered ${folder})
        endforeach()
    endforeach()
    file(GLOB src_entries LIST_DIRECTORIES true ${CMAKE_SOURCE_DIR}/src/*)
    foreach(entry IN LISTS src_entries)
        get_filename_component(folder ${entry} NAME)
        if(IS_DIRECTORY ${entry} AND NOT folder IN_LIST layered AND NOT folder IN_LIST outside)
            message(FATAL_ERROR "src/${folder} belongs to no layer of the core: name it in a "
                                "kvelta_core_layer() of CMakeLists.txt")
        endif()
    endforeach()
endfunction()
