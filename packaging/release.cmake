# The newest entry of the changelog is the release that project() names: its date goes into the
# metainfo's release entry and the manual page. A version raised without a changelog entry stops
# the configuration, so the package never ships an out-of-date changelog.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/changelog)
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/changelog newest_entry LIMIT_COUNT 1)
string(REPLACE "." "\\." version_pattern "${PROJECT_VERSION}")
if(NOT newest_entry MATCHES "^${AMP_PACKAGE_NAME} \\(${version_pattern}\\) ")
    message(FATAL_ERROR "packaging/changelog: the newest entry is not version ${PROJECT_VERSION}")
endif()

file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/changelog signatures REGEX "^ -- ")
list(GET signatures 0 newest_signature)
if(NOT newest_signature MATCHES ", ([0-9][0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
    message(FATAL_ERROR "packaging/changelog: no date in \"${newest_signature}\"")
endif()
set(year ${CMAKE_MATCH_3})
set(day ${CMAKE_MATCH_1})
set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(FIND months ${CMAKE_MATCH_2} month_index)
math(EXPR month "${month_index} + 1")
if(month LESS 10)
    set(month 0${month})
endif()
set(AMP_RELEASE_DATE ${year}-${month}-${day})
