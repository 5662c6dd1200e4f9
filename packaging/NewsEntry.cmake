# huszonegy_news_entry(NEWS VERSION_VAR DATE_VAR)
# Reads the heading of the newest entry of NEWS, its first line: "Huszonegy VERSION, YYYY-MM-DD".
# A NEWS that does not begin so stops the build.
function(huszonegy_news_entry news version_var date_var)
    file(STRINGS "${news}" heading LIMIT_COUNT 1)
    if(NOT heading MATCHES "^Huszonegy ([0-9][0-9.]*), ([0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9])$")
        message(FATAL_ERROR "${news} must begin with 'Huszonegy VERSION, YYYY-MM-DD', not '${heading}'")
    endif()
    set(${version_var} ${CMAKE_MATCH_1} PARENT_SCOPE)
    set(${date_var} ${CMAKE_MATCH_2} PARENT_SCOPE)
endfunction()
