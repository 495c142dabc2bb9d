# JPEG decoding uses libjpeg (the 6b interface, JPEG_LIB_VERSION 62) as
# libjpeg-turbo provides it. It is built from Debian's libjpeg-turbo source
# package with the compiler of the configuration, so the Windows programs link
# it statically and import nothing beyond what the rest of the program does
# (its C runtime calls all exist on Windows XP).
#
# Choices for this build:
#  - no SIMD: the program decodes two small pictures, and the SIMD code would
#    need an assembler and per-processor checks on the XP build;
#  - no environment reads (NO_GETENV, NO_PUTENV): the program takes its
#    configuration from its settings only, and libjpeg otherwise reads
#    JPEGMEM and the SIMD switches from the environment;
#  - no TurboJPEG API, no shared library, no arithmetic encoder;
#  - the fuzz configuration instruments the library too, so that the fuzzer
#    sees coverage inside the decoder.
#
# The source package is fetched once with `apt-get source` (scripts/setup.sh
# enables Debian's source entries) into build/deps/src, next to the mingw-w64
# source of winpthreads; the library is built once per compiler into
# build/deps/libjpeg-<system>-<processor>-<compiler>[-fuzz] and shared by every
# configuration of the checkout that uses that compiler. Debian's patches only
# touch packaging, timestamps and SIMD set-up, none of which this build uses,
# so the upstream tarball of the package is built as it stands.
#
# Defines the imported target vexa_libjpeg.
function(vexa_use_libjpeg)
    set(deps ${CMAKE_SOURCE_DIR}/build/deps)
    set(flavour ${CMAKE_SYSTEM_NAME}-${CMAKE_SYSTEM_PROCESSOR}-${CMAKE_C_COMPILER_ID})
    set(extra_flags "")
    if(VEXA_FUZZ)
        set(flavour ${flavour}-fuzz)
        set(extra_flags "-fsanitize=fuzzer-no-link,address -fno-omit-frame-pointer")
    endif()
    set(out ${deps}/libjpeg-${flavour})
    if(NOT EXISTS ${out}/lib/libjpeg.a OR NOT EXISTS ${out}/include/jconfig.h)
        vexa_build_libjpeg(${deps} ${out} "${extra_flags}")
    endif()
    add_library(vexa_libjpeg STATIC IMPORTED GLOBAL)
    set_target_properties(vexa_libjpeg PROPERTIES IMPORTED_LOCATION ${out}/lib/libjpeg.a
                                                  INTERFACE_INCLUDE_DIRECTORIES ${out}/include)
endfunction()

function(vexa_fetch_libjpeg_source deps tarball_out)
    file(GLOB tarballs ${deps}/src/libjpeg-turbo_*.orig.tar.*)
    if(NOT tarballs)
        file(MAKE_DIRECTORY ${deps}/src)
        message(STATUS "Fetching the libjpeg-turbo source package")
        execute_process(COMMAND apt-get source --download-only libjpeg-turbo
                        WORKING_DIRECTORY ${deps}/src RESULT_VARIABLE failed
                        OUTPUT_QUIET ERROR_VARIABLE errors)
        file(GLOB tarballs ${deps}/src/libjpeg-turbo_*.orig.tar.*)
        if(failed OR NOT tarballs)
            message(FATAL_ERROR "apt-get source libjpeg-turbo failed (run scripts/setup.sh, which enables "
                                "Debian's source entries):\n${errors}")
        endif()
    endif()
    list(GET tarballs 0 tarball)
    set(${tarball_out} ${tarball} PARENT_SCOPE)
endfunction()

function(vexa_build_libjpeg deps out extra_flags)
    vexa_fetch_libjpeg_source(${deps} tarball)
    file(REMOVE_RECURSE ${out})
    file(ARCHIVE_EXTRACT INPUT ${tarball} DESTINATION ${out}/src)
    file(GLOB source_dir LIST_DIRECTORIES true ${out}/src/libjpeg-turbo-*)
    set(arguments -S ${source_dir} -B ${out}/build -G Ninja -DCMAKE_BUILD_TYPE=Release
                  -DCMAKE_INSTALL_PREFIX=${out} -DENABLE_SHARED=OFF -DENABLE_STATIC=ON
                  -DWITH_TURBOJPEG=OFF -DWITH_SIMD=OFF -DWITH_JPEG7=OFF -DWITH_JPEG8=OFF
                  -DWITH_ARITH_ENC=OFF -DWITH_ARITH_DEC=ON -DWITH_MEM_SRCDST=ON
                  "-DCMAKE_C_FLAGS=-DNO_GETENV -DNO_PUTENV ${extra_flags}")
    if(CMAKE_TOOLCHAIN_FILE)
        list(APPEND arguments -DCMAKE_TOOLCHAIN_FILE=${CMAKE_TOOLCHAIN_FILE})
    else()
        list(APPEND arguments -DCMAKE_C_COMPILER=${CMAKE_C_COMPILER})
    endif()
    if(CMAKE_C_COMPILER_LAUNCHER)
        list(APPEND arguments -DCMAKE_C_COMPILER_LAUNCHER=${CMAKE_C_COMPILER_LAUNCHER})
    endif()
    message(STATUS "Building libjpeg (${CMAKE_SYSTEM_PROCESSOR}, ${CMAKE_C_COMPILER_ID})")
    execute_process(COMMAND ${CMAKE_COMMAND} ${arguments} RESULT_VARIABLE failed OUTPUT_QUIET
                    ERROR_VARIABLE errors)
    if(failed)
        message(FATAL_ERROR "libjpeg: configuring failed:\n${errors}")
    endif()
    execute_process(COMMAND ${CMAKE_COMMAND} --build ${out}/build --target jpeg-static
                    RESULT_VARIABLE failed OUTPUT_VARIABLE output ERROR_VARIABLE errors)
    if(failed)
        message(FATAL_ERROR "libjpeg: building failed:\n${output}\n${errors}")
    endif()
    # Only the library and the four headers of its interface are kept.
    file(MAKE_DIRECTORY ${out}/lib ${out}/include)
    file(COPY_FILE ${out}/build/libjpeg.a ${out}/lib/libjpeg.a)
    foreach(header jpeglib.h jmorecfg.h jerror.h)
        file(COPY_FILE ${source_dir}/${header} ${out}/include/${header})
    endforeach()
    file(COPY_FILE ${out}/build/jconfig.h ${out}/include/jconfig.h)
    file(REMOVE_RECURSE ${out}/build ${out}/src)
endfunction()
