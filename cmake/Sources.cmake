# Source selection by folder and file name, so that adding a class never
# means editing a list:
#  - the portable core lives in the folders below; it builds everywhere;
#  - inside it, a `win` folder or a file named *.win.cpp is Windows only and a
#    file named *.posix.cpp is the POSIX twin of a platform need;
#  - the Windows-only areas build only for Windows.
set(VEXA_PORTABLE_AREAS base cleaner thread str col comp map io xml lang)
set(VEXA_WINDOWS_AREAS gui app reg system process image platform)
# Portable folders inside a Windows-only area: the event plumbing every
# raiser shares (the localizer's included), the component and menu models
# and the layouts, painting rules and text rules (font sizes, text formats)
# of the window toolkit, which hold no window handle, the pixel code of the
# image scaler, the rules of the update check and the address splitting of
# the downloader, the window's frame rules, the JPEG reader over libjpeg, the
# icon directory rules and the command-line splitter, tested natively.
set(VEXA_PORTABLE_FOLDERS app/update gui/drawer gui/events gui/frame gui/layout gui/menuitem gui/model gui/paint gui/scale gui/text image/scale system/network
                          image/jpeg image/icon process/commandline)

function(vexa_is_windows_only path out)
    set(result OFF)
    if(path MATCHES "/win/" OR path MATCHES "\\.win\\.cpp$")
        set(result ON)
    endif()
    foreach(area ${VEXA_WINDOWS_AREAS})
        if(path MATCHES "^s/${area}/")
            set(result ON)
        endif()
    endforeach()
    foreach(folder ${VEXA_PORTABLE_FOLDERS})
        if(path MATCHES "^s/${folder}/" AND NOT path MATCHES "/win/" AND NOT path MATCHES "\\.win\\.cpp$")
            set(result OFF)
        endif()
    endforeach()
    set(${out} ${result} PARENT_SCOPE)
endfunction()

function(vexa_collect_library_sources core_out win_out)
    file(GLOB_RECURSE all RELATIVE ${CMAKE_SOURCE_DIR} CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/s/*.cpp)
    set(core "")
    set(win "")
    foreach(path ${all})
        vexa_is_windows_only(${path} windows_only)
        if(windows_only)
            list(APPEND win ${CMAKE_SOURCE_DIR}/${path})
        elseif(path MATCHES "\\.posix\\.cpp$")
            if(NOT WIN32)
                list(APPEND core ${CMAKE_SOURCE_DIR}/${path})
            endif()
        else()
            list(APPEND core ${CMAKE_SOURCE_DIR}/${path})
        endif()
    endforeach()
    if(WIN32)
        # The Windows twins of portable needs belong to the core library.
        foreach(path ${win})
            if(path MATCHES "\\.win\\.cpp$")
                list(APPEND core ${path})
                list(REMOVE_ITEM win ${path})
            endif()
        endforeach()
        # The skins are made of the Windows drawers: on Windows the whole
        # drawer tree (its portable geometry, the skinner and its schemes
        # included) is one piece of the toolkit library, so that the core
        # never needs the toolkit.
        foreach(path ${core})
            if(path MATCHES "/s/gui/drawer/")
                list(APPEND win ${path})
                list(REMOVE_ITEM core ${path})
            endif()
        endforeach()
    endif()
    set(${core_out} ${core} PARENT_SCOPE)
    set(${win_out} ${win} PARENT_SCOPE)
endfunction()
