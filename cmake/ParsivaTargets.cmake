# How Parsiva's own targets are built. Everything here is set on a target, never on the whole
# build, so a project that adds Parsiva as a subproject keeps its own flags, and a reader finds
# what a target compiles with from the one line that names it:
#   parsiva_layer(target folder)   a layer's library: its include root, then parsiva_target
#   parsiva_target(target)         any other target of ours: warnings, sanitizers, paths
#   parsiva_test_code(target)      a test's own code: parsiva_target, without optimization
#   parsiva_fuzzed(target)         code a libFuzzer target explores: coverage instrumentation
include_guard(GLOBAL)

# The compiler cache, where one is installed and no launcher was chosen. Its base directory
# turns the paths under the source folder into relative ones before they are hashed, so two
# copies of the tree laid out alike (worktrees, the packaging test's second build) share hits.
find_program(PARSIVA_CCACHE_PROGRAM ccache)
mark_as_advanced(PARSIVA_CCACHE_PROGRAM)
if(PARSIVA_CCACHE AND PARSIVA_CCACHE_PROGRAM AND NOT CMAKE_CXX_COMPILER_LAUNCHER)
    set(CMAKE_CXX_COMPILER_LAUNCHER ${CMAKE_COMMAND} -E env CCACHE_BASEDIR=${PROJECT_SOURCE_DIR}
                                    ${PARSIVA_CCACHE_PROGRAM})
endif()

# The commit's time stands for "now" wherever a build output would hold a time: Qt's rcc puts
# each resource's modification time in the program, and CPack each file's in the package.
# SOURCE_DATE_EPOCH from the environment wins; a new commit or checkout configures afresh.
set(PARSIVA_SOURCE_DATE_EPOCH "")
if(DEFINED ENV{SOURCE_DATE_EPOCH})
    set(PARSIVA_SOURCE_DATE_EPOCH $ENV{SOURCE_DATE_EPOCH})
else()
    find_package(Git QUIET)
    if(Git_FOUND)
        execute_process(
            COMMAND ${GIT_EXECUTABLE} log -1 --format=%ct
            WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
            OUTPUT_VARIABLE PARSIVA_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE
            RESULT_VARIABLE failed ERROR_QUIET)
        execute_process(
            COMMAND ${GIT_EXECUTABLE} rev-parse --absolute-git-dir
            WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
            OUTPUT_VARIABLE git_dir OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
        if(failed)
            set(PARSIVA_SOURCE_DATE_EPOCH "")
        elseif(EXISTS ${git_dir}/logs/HEAD)
            set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY
                         CMAKE_CONFIGURE_DEPENDS ${git_dir}/logs/HEAD)
        endif()
    endif()
endif()
if(PARSIVA_SOURCE_DATE_EPOCH STREQUAL "")
    message(STATUS "No commit time (not a git checkout, no SOURCE_DATE_EPOCH): "
                   "the build and the package carry the times of this machine")
elseif(NOT UNIX)
    message(STATUS "Source date (SOURCE_DATE_EPOCH) for CPack: ${PARSIVA_SOURCE_DATE_EPOCH}")
else()
    message(STATUS "Source date (SOURCE_DATE_EPOCH) for rcc and CPack: ${PARSIVA_SOURCE_DATE_EPOCH}")
    # rcc reads it only from its environment, so the targets run it through this wrapper. Its
    # name holds the time: when that changes, so does the target's rcc, and rcc runs again.
    set(PARSIVA_RCC ${PROJECT_BINARY_DIR}/rcc-at-${PARSIVA_SOURCE_DATE_EPOCH})
    file(GLOB stale ${PROJECT_BINARY_DIR}/rcc-at-*)
    list(REMOVE_ITEM stale ${PARSIVA_RCC})
    if(stale)
        file(REMOVE ${stale})
    endif()
    file(GENERATE OUTPUT ${PARSIVA_RCC}
         CONTENT "#!/bin/sh\nSOURCE_DATE_EPOCH=${PARSIVA_SOURCE_DATE_EPOCH} exec \"$<TARGET_FILE:Qt6::rcc>\" \"$@\"\n"
         FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                          WORLD_READ WORLD_EXECUTE)
endif()

# Compiler flags for every target of ours.
set(parsiva_warnings -Wall -Wextra)
if(PARSIVA_WERROR)
    list(APPEND parsiva_warnings -Werror)
endif()
# No absolute folder reaches an object file, so the binary is the same wherever it is built.
# The build folder comes last: where it lies inside the source folder, its own mapping wins.
set(parsiva_prefix_maps -ffile-prefix-map=${PROJECT_SOURCE_DIR}=.
                        -ffile-prefix-map=${PROJECT_BINARY_DIR}=build)
set(parsiva_sanitizers -fsanitize=address,undefined)
set(parsiva_sanitizer_flags ${parsiva_sanitizers} -fno-sanitize-recover=undefined
                            -fno-omit-frame-pointer)

# parsiva_target(target): the warnings (errors with PARSIVA_WERROR), the sanitizers of a
# PARSIVA_SANITIZE or PARSIVA_FUZZ build, paths free of the build's folders, and rcc at the
# commit's time.
function(parsiva_target target)
    target_compile_options(${target} PRIVATE ${parsiva_warnings} ${parsiva_prefix_maps})
    if(PARSIVA_SANITIZE OR PARSIVA_FUZZ)
        target_compile_options(${target} PRIVATE ${parsiva_sanitizer_flags})
        # A static library ignores link options for itself and hands them to its users.
        target_link_options(${target} PUBLIC ${parsiva_sanitizers})
    endif()
    if(PARSIVA_RCC)
        set_property(TARGET ${target} PROPERTY AUTORCC_EXECUTABLE ${PARSIVA_RCC})
    endif()
endfunction()

# parsiva_test_code(target): a test's own code, compiled without optimization: it runs for
# moments, and optimizing it took most of a build's time. The code under test keeps the build's
# optimization, and so does everything in a benchmark build, whose benchmarks use the fakes.
function(parsiva_test_code target)
    parsiva_target(${target})
    if(NOT PARSIVA_BENCH)
        target_compile_options(${target} PRIVATE -O0)
    endif()
endfunction()

# parsiva_fuzzed(target): in a PARSIVA_FUZZ build, the target's code feeds libFuzzer's
# coverage, and is optimized so that a short run still tries many inputs, whatever the rest of
# the build does; the fuzz targets themselves link the fuzzer's main.
function(parsiva_fuzzed target)
    if(PARSIVA_FUZZ)
        target_compile_options(${target} PRIVATE -fsanitize=fuzzer-no-link -O1)
    endif()
endfunction()

# parsiva_layer(target folder): the target's include root holds only `folder`, so its files
# and those that link it write "folder/topic/File.h", and a header of a layer the target does
# not link is not found: an include that points the wrong way does not compile. The root is a
# tree of one-line headers in the build folder, each including its source header by a relative
# path; it follows the headers that exist at each configure (a new or removed header
# configures afresh), and a renamed one leaves no stale name behind.
function(parsiva_layer target folder)
    parsiva_target(${target})
    set(root ${PROJECT_BINARY_DIR}/include-roots/${folder})
    get_property(done GLOBAL PROPERTY parsiva_include_root_${folder})
    if(NOT done)
        set_property(GLOBAL PROPERTY parsiva_include_root_${folder} TRUE)
        # Build folders from before held a link to the source folder here.
        if(IS_SYMLINK ${root}/${folder})
            file(REMOVE ${root}/${folder})
        endif()
        file(GLOB_RECURSE headers CONFIGURE_DEPENDS RELATIVE ${PROJECT_SOURCE_DIR}
             ${PROJECT_SOURCE_DIR}/${folder}/*.h)
        set(forwarders)
        foreach(header IN LISTS headers)
            set(forwarder ${root}/${header})
            get_filename_component(forwarder_dir ${forwarder} DIRECTORY)
            file(RELATIVE_PATH source ${forwarder_dir} ${PROJECT_SOURCE_DIR}/${header})
            # Written only when it changes, so a configure does not rebuild what includes it.
            file(CONFIGURE OUTPUT ${forwarder} CONTENT "#pragma once\n#include \"${source}\"\n")
            list(APPEND forwarders ${forwarder})
        endforeach()
        file(GLOB_RECURSE stale LIST_DIRECTORIES false ${root}/*)
        if(forwarders)
            list(REMOVE_ITEM stale ${forwarders})
        endif()
        if(stale)
            file(REMOVE ${stale})
        endif()
    endif()
    target_include_directories(${target} PUBLIC $<BUILD_INTERFACE:${root}>)
endfunction()
