# Runs a checking tool on files and fails on what it reports:
#   cmake -DTOOL=path -DPACKAGE=name -DARGS=a|b -DFILES=x|y [-DQUIET=ON] -P RunChecker.cmake
# A missing tool fails too, naming the package that brings it, so that no check is ever
# skipped unseen. With QUIET, any output of the tool counts as a finding.
if(NOT TOOL)
    message(FATAL_ERROR "the checker is not installed: scripts/install-deps installs ${PACKAGE}")
endif()
string(REPLACE "|" ";" ARGS "${ARGS}")
string(REPLACE "|" ";" FILES "${FILES}")
foreach(file ${FILES})
    execute_process(COMMAND ${TOOL} ${ARGS} ${file}
        RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE errors)
    if(NOT result EQUAL 0 OR (QUIET AND NOT "${output}${errors}" STREQUAL ""))
        message(FATAL_ERROR "${TOOL} finds fault with ${file}:\n${output}${errors}")
    endif()
endforeach()
