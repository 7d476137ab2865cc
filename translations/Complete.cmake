# Fails when a translation file lacks a text of the sources, or leaves one unfinished or empty:
# lupdate, run on a copy, adds a missing text as unfinished.
#   cmake -DLUPDATE=... -DOPTIONS=... -DSOURCES=... -DTS_FILES=... -DWORK=dir -P Complete.cmake
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
set(faults "")
foreach(ts IN LISTS TS_FILES)
    get_filename_component(name "${ts}" NAME)
    file(COPY_FILE "${ts}" "${WORK}/${name}")
    execute_process(COMMAND "${LUPDATE}" -silent ${OPTIONS} ${SOURCES} -ts "${WORK}/${name}"
                    COMMAND_ERROR_IS_FATAL ANY)
    file(STRINGS "${WORK}/${name}" lines)
    foreach(line IN LISTS lines)
        if(line MATCHES "<source>([^<]*)")
            set(source "${CMAKE_MATCH_1}")
        elseif(line MATCHES "<translation( type=\"unfinished\"[^>]*)?(/>|></translation>)"
               OR line MATCHES "<translation type=\"unfinished\"")
            string(APPEND faults "\n  ${name}: ${source}")
        endif()
    endforeach()
endforeach()
if(faults)
    message(FATAL_ERROR "Texts without a finished translation:${faults}")
endif()
