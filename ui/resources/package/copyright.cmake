# Writes Debian's machine-readable copyright file, whose licence is the one
# the credits window shows: read from the windows' texts, so the two never
# differ.
#   cmake -DCREDITS=texts.h -DOUT=copyright -P copyright.cmake
file(STRINGS "${CREDITS}" lines)
set(licence "")
set(inside OFF)
foreach(line IN LISTS lines)
    if(line MATCHES "kLicence\\[\\] =")
        set(inside ON)
    elseif(inside)
        if(NOT line MATCHES "^ *\"(.*)\\\\r\\\\n\"(;?)$")
            message(FATAL_ERROR "unexpected line in the licence: ${line}")
        endif()
        set(text "${CMAKE_MATCH_1}")
        set(last "${CMAKE_MATCH_2}")
        if(text STREQUAL "")
            string(APPEND licence " .\n")
        else()
            string(APPEND licence " ${text}\n")
        endif()
        if(last STREQUAL ";")
            break()
        endif()
    endif()
endforeach()
if(licence STREQUAL "")
    message(FATAL_ERROR "no licence found in ${CREDITS}")
endif()
file(WRITE "${OUT}" "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: Mervane
Upstream-Contact: Quenlo <support@quenlo.example>
Source: https://quenlo.example/

Files: *
Copyright: 2026 T. M. Lorvi
License: Mervane
${licence}")
