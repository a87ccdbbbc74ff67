# Writes the report of the example project for the user guide with the command-line tool.
# The tool ends with 1 when the batten or the nail cannot be used: that is a report too.
#   cmake -DCLI=taglo-cli -DPROJEKT=eksempel.tgl -DUD=rapport.txt -DTIDSPUNKT=... -DFIRMA=...
#         -P eksempelrapport.cmake
execute_process(
    COMMAND ${CLI} rapport --dansk --tidspunkt ${TIDSPUNKT} --firma ${FIRMA} ${PROJEKT}
    OUTPUT_FILE ${UD}
    ERROR_VARIABLE fejl
    RESULT_VARIABLE udfald)
if(NOT udfald MATCHES "^[01]$")
    file(REMOVE ${UD})
    message(FATAL_ERROR "taglo-cli rapport ${PROJEKT} endte med ${udfald}: ${fejl}")
endif()
