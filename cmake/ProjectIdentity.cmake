# The project's identity beyond name and version, each value read from the one file that
# holds it, for the identity header, the Windows resources and the packages:
#   SKARVEL_COPYRIGHT     year and holder, from the LICENSE file's copyright line
#   SKARVEL_LICENSE       the licence's short name (the LICENSE file's terms)
#   SKARVEL_VENDOR        the maintainer's name, SKARVEL_CONTACT with the mail address,
#   SKARVEL_RELEASE_DATE  and the release date (YYYY-MM-DD), from the CHANGELOG's latest entry
#   SKARVEL_SOURCE_DATE_EPOCH  that entry's time in seconds since 1970, the time stamp of
#                         everything the packages hold; SOURCE_DATE_EPOCH overrides it
file(READ ${PROJECT_SOURCE_DIR}/LICENSE _skarvel_license)
if(NOT _skarvel_license MATCHES "^MIT License\n")
    message(FATAL_ERROR "LICENSE is no longer the MIT licence: update SKARVEL_LICENSE")
endif()
set(SKARVEL_LICENSE MIT)
if(NOT _skarvel_license MATCHES "Copyright \\(c\\) ([^\n]+)\n")
    message(FATAL_ERROR "LICENSE has no copyright line")
endif()
set(SKARVEL_COPYRIGHT ${CMAKE_MATCH_1})

# Debian's format: "name (version) ..." first, the entry ending in
# " -- Name <mail>  Day, DD Mon YYYY HH:MM:SS +ZZZZ".
file(READ ${PROJECT_SOURCE_DIR}/CHANGELOG _skarvel_changelog)
if(NOT _skarvel_changelog MATCHES "^[a-z0-9.+-]+ \\(([^)]+)\\)")
    message(FATAL_ERROR "CHANGELOG does not start with an entry")
endif()
if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
    message(FATAL_ERROR "CHANGELOG's latest entry is ${CMAKE_MATCH_1}, the project ${PROJECT_VERSION}")
endif()
if(NOT _skarvel_changelog MATCHES
       "\n -- ([^<\n]+) <([^>\n]+)>  [A-Z][a-z][a-z], ([0-9][0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
    message(FATAL_ERROR "CHANGELOG's latest entry has no maintainer line")
endif()
set(SKARVEL_VENDOR ${CMAKE_MATCH_1})
set(SKARVEL_CONTACT "${CMAKE_MATCH_1} <${CMAKE_MATCH_2}>")
set(_skarvel_day ${CMAKE_MATCH_3})
set(_skarvel_year ${CMAKE_MATCH_5})
set(_skarvel_months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(FIND _skarvel_months ${CMAKE_MATCH_4} _skarvel_month)
if(_skarvel_month LESS 0)
    message(FATAL_ERROR "CHANGELOG's latest entry has an unknown month")
endif()
math(EXPR _skarvel_month "${_skarvel_month} + 1")
if(_skarvel_month LESS 10)
    set(_skarvel_month 0${_skarvel_month})
endif()
set(SKARVEL_RELEASE_DATE ${_skarvel_year}-${_skarvel_month}-${_skarvel_day})
if(DEFINED ENV{SOURCE_DATE_EPOCH})
    set(SKARVEL_SOURCE_DATE_EPOCH $ENV{SOURCE_DATE_EPOCH})
else()
    string(REGEX MATCH "\n -- [^\n]*>  ([^\n]+)" _skarvel_date "${_skarvel_changelog}")
    execute_process(COMMAND date -u -d "${CMAKE_MATCH_1}" +%s
        OUTPUT_VARIABLE SKARVEL_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE
        COMMAND_ERROR_IS_FATAL ANY)
endif()
if(NOT SKARVEL_SOURCE_DATE_EPOCH MATCHES "^[0-9]+$")
    message(FATAL_ERROR "No release time in seconds: '${SKARVEL_SOURCE_DATE_EPOCH}'")
endif()
unset(_skarvel_license)
unset(_skarvel_changelog)
unset(_skarvel_date)
unset(_skarvel_day)
unset(_skarvel_month)
unset(_skarvel_months)
unset(_skarvel_year)
