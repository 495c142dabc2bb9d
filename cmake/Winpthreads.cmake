# The -posix MinGW compilers link every program with winpthreads (std::mutex,
# std::call_once and std::thread sit on it). Debian's static copy is built for
# Vista and later and imports GetTickCount64, which Windows XP lacks, so the
# programs would not start there. This builds the same library from Debian's
# own mingw-w64 source for XP (_WIN32_WINNT 0x0501, where it times waits with
# the performance counter instead) and puts it ahead of the system's copy on
# the linker's search path.
#
# The source package is fetched once with `apt-get source` (scripts/setup.sh
# enables the source entries) into build/deps/src, and the library is built
# once per processor into build/deps/winpthreads-<processor>: a few seconds,
# shared by every configuration of the checkout.
function(vexa_use_xp_winpthreads)
    set(deps ${CMAKE_SOURCE_DIR}/build/deps)
    set(out ${deps}/winpthreads-${CMAKE_SYSTEM_PROCESSOR})
    if(NOT EXISTS ${out}/lib/libpthread.a)
        vexa_build_xp_winpthreads(${deps} ${out})
    endif()
    # Before the compiler's own directories, so `-lpthread` finds this copy.
    add_link_options(-L${out}/lib)
    set(VEXA_WINPTHREADS_DIR ${out} PARENT_SCOPE)
endfunction()

function(vexa_build_xp_winpthreads deps out)
    file(GLOB tarballs ${deps}/src/mingw-w64_*.orig.tar.*)
    if(NOT tarballs)
        file(MAKE_DIRECTORY ${deps}/src)
        message(STATUS "Fetching the mingw-w64 source package for winpthreads")
        execute_process(COMMAND apt-get source --download-only mingw-w64
                        WORKING_DIRECTORY ${deps}/src RESULT_VARIABLE failed
                        OUTPUT_QUIET ERROR_VARIABLE errors)
        file(GLOB tarballs ${deps}/src/mingw-w64_*.orig.tar.*)
        if(failed OR NOT tarballs)
            message(FATAL_ERROR "apt-get source mingw-w64 failed (run scripts/setup.sh, which enables "
                                "Debian's source entries):\n${errors}")
        endif()
    endif()
    list(GET tarballs 0 tarball)
    file(REMOVE_RECURSE ${out})
    file(ARCHIVE_EXTRACT INPUT ${tarball} DESTINATION ${out}/src
         PATTERNS "*/mingw-w64-libraries/winpthreads/src/*" "*/mingw-w64-libraries/winpthreads/include/*")
    file(GLOB_RECURSE sources ${out}/src/*.c)
    list(FILTER sources INCLUDE REGEX "/winpthreads/src/[^/]+\\.c$")
    file(GLOB_RECURSE header ${out}/src/pthread.h)
    list(FILTER header INCLUDE REGEX "/winpthreads/include/pthread\\.h$")
    get_filename_component(include_dir ${header} DIRECTORY)
    message(STATUS "Building winpthreads for Windows XP (${CMAKE_SYSTEM_PROCESSOR})")
    set(objects "")
    foreach(source ${sources})
        get_filename_component(name ${source} NAME_WE)
        set(object ${out}/obj/${name}.o)
        file(MAKE_DIRECTORY ${out}/obj)
        execute_process(COMMAND ${CMAKE_C_COMPILER} -c -O2 -Wall -DWIN32_LEAN_AND_MEAN -DIN_WINPTHREAD
                                -DWINPTHREAD_STATIC -D__USE_MINGW_ANSI_STDIO=0 -D_WIN32_WINNT=0x0501
                                -I${include_dir} ${source} -o ${object}
                        RESULT_VARIABLE failed ERROR_VARIABLE errors)
        if(failed)
            message(FATAL_ERROR "winpthreads: ${name}.c did not compile:\n${errors}")
        endif()
        list(APPEND objects ${object})
    endforeach()
    file(MAKE_DIRECTORY ${out}/lib)
    execute_process(COMMAND ${CMAKE_AR} rcs ${out}/lib/libwinpthread.a ${objects} RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "winpthreads: the archive could not be made")
    endif()
    # libstdc++ asks for -lpthread; both names lead to the same archive.
    file(COPY_FILE ${out}/lib/libwinpthread.a ${out}/lib/libpthread.a)
endfunction()
