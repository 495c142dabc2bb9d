# The product version has one home: the English version text (id 500010) of
# the language pack, which the program shows and the update check sends.
# This reads it so that the version resource, the file names of the packages
# and the installer all say the same. Sets VEXA_VERSION ("1.19") and
# VEXA_VERSION_COMMAS ("1,19,0,0", the four numbers of a VERSIONINFO block) and
# VEXA_VERSION_QUAD ("1.19.0.0", the form a manifest's identity takes).
function(vexa_read_version pack_path)
    file(READ "${pack_path}" pack)
    string(REGEX MATCH "<entry id=\"500010\">[^<]*<eng>([^<]*)</eng>" found "${pack}")
    set(version "${CMAKE_MATCH_1}")
    if(NOT version MATCHES "^[0-9]+(\\.[0-9]+)?(\\.[0-9]+)?(\\.[0-9]+)?$")
        message(FATAL_ERROR "${pack_path}: the English version text (500010) is '${version}', not numbers with dots")
    endif()
    string(REPLACE "." ";" numbers "${version}")
    list(LENGTH numbers count)
    while(count LESS 4)
        list(APPEND numbers 0)
        math(EXPR count "${count} + 1")
    endwhile()
    string(REPLACE ";" "," commas "${numbers}")
    string(REPLACE ";" "." quad "${numbers}")
    set(VEXA_VERSION "${version}" PARENT_SCOPE)
    set(VEXA_VERSION_COMMAS "${commas}" PARENT_SCOPE)
    set(VEXA_VERSION_QUAD "${quad}" PARENT_SCOPE)
endfunction()
