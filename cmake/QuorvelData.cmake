# The game's data: every pak archive in Resources/ is made by norv_pak and
# belongs to quorvel_data, which the game depends on, so building only the
# game builds a game that runs. Included before any folder is visited, so the
# helpers do not depend on the order CMake reads tools/ and data/.

set(QUORVEL_ASSET_SIZES normal large)
# Data folders stage the generated files of the asset packs below
# <staging>/<size>/ and register them with quorvel_add_assets.
set(QUORVEL_ASSETS_STAGING_DIR ${CMAKE_BINARY_DIR}/assets)

add_custom_target(quorvel_data)

# Data tools run through this script (bash <script> OUTPUT... -- SOURCE... --
# COMMAND...), which keeps their results in a cache shared by every build
# tree, keyed by the content of the sources: the normal and the sanitizer
# build make each file once.
set(QUORVEL_DATA_CACHED ${CMAKE_SOURCE_DIR}/tools/datacache/cached.sh)

# norv_pak(<target> <folder> <output pak> [INPUTS files...])
# Packs every file below the folder into a pak archive, rebuilt when an input
# changes: the INPUTS when the folder is staged by the build, else every file
# the folder holds. <target> is part of the default build and of quorvel_data.
function(norv_pak target folder output)
    cmake_parse_arguments(ARG "" "" "INPUTS" ${ARGN})
    set(inputs ${ARG_INPUTS})
    if(NOT inputs)
        file(GLOB_RECURSE inputs CONFIGURE_DEPENDS ${folder}/*)
    endif()
    get_filename_component(output_dir ${output} DIRECTORY)
    get_filename_component(output_name ${output} NAME)
    add_custom_command(OUTPUT ${output}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${folder} ${output_dir}
        COMMAND norvpak ${folder} ${output}
        DEPENDS norvpak ${inputs}
        COMMENT "Packing ${output_name}"
        VERBATIM)
    add_custom_target(${target} ALL DEPENDS ${output})
    add_dependencies(quorvel_data ${target})
endfunction()

# The asset packs assets-<size>.pak: the 2D art of one asset size each, which
# the game mounts by the window's size; each is its whole staging folder.
foreach(size ${QUORVEL_ASSET_SIZES})
    norv_pak(assets_${size}_pak ${QUORVEL_ASSETS_STAGING_DIR}/${size} ${QUORVEL_RESOURCES_DIR}/assets-${size}.pak
        INPUTS $<TARGET_PROPERTY:assets_${size}_pak,QUORVEL_ASSET_FILES>)
endforeach()

# quorvel_add_assets(<size> <producing target> <staged files>...)
# Packs the files, made by the target below the size's staging folder, into
# that size's asset pack.
function(quorvel_add_assets size producer)
    set_property(TARGET assets_${size}_pak APPEND PROPERTY QUORVEL_ASSET_FILES ${ARGN})
    add_dependencies(assets_${size}_pak ${producer})
endfunction()
