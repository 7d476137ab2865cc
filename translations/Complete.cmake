# Fails when a translation file lacks a text of the sources, leaves one unfinished or empty, or
# translates one the sources no longer put through translation: lupdate, run on a copy, marks
# the first unfinished and the last vanished.
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
               OR line MATCHES "<translation type=\"(unfinished|vanished|obsolete)\"")
            string(APPEND faults "\n  ${name}: ${source}")
        endif()
    endforeach()
endforeach()
if(faults)
    message(FATAL_ERROR "Texts unfinished, or no longer in the sources:${faults}")
endif()
