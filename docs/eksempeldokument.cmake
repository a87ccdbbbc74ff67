# Writes the calculation document of the example project with the command-line tool and
# renders its first page as a PNG picture for the user guide. The tool ends with 1 when
# the batten or the nail cannot be used: that is a document too.
#   cmake -DCLI=taglo-cli -DPDFTOPPM=pdftoppm -DPROJEKT=eksempel.tgl -DUD=side.png
#         -DTIDSPUNKT=... -DFIRMA=... -P eksempeldokument.cmake
get_filename_component(mappe ${UD} DIRECTORY)
get_filename_component(navn ${UD} NAME_WE)
set(pdf ${mappe}/${navn}.pdf)
execute_process(
    COMMAND ${CLI} rapport --dansk --tidspunkt ${TIDSPUNKT} --firma ${FIRMA} --pdf ${pdf} ${PROJEKT}
    OUTPUT_QUIET
    ERROR_VARIABLE fejl
    RESULT_VARIABLE udfald)
if(NOT udfald MATCHES "^[01]$")
    file(REMOVE ${pdf})
    message(FATAL_ERROR "taglo-cli rapport --pdf ${PROJEKT} endte med ${udfald}: ${fejl}")
endif()
execute_process(
    COMMAND ${PDFTOPPM} -f 1 -l 1 -r 100 -png -singlefile ${pdf} ${mappe}/${navn}
    ERROR_VARIABLE fejl
    RESULT_VARIABLE udfald)
if(NOT udfald EQUAL 0)
    file(REMOVE ${UD})
    message(FATAL_ERROR "pdftoppm ${pdf} endte med ${udfald}: ${fejl}")
endif()
