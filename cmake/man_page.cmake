# Writes the manual page of cdma_sim from the program's own --help and --version, so the
# two cannot say different things, and gzips it as Debian wants it (gzip -9n: no name,
# no time stamp, so the same text gives the same bytes).
#   cmake -DPROGRAM=path/to/cdma_sim -DGZIP=path/to/gzip -DOUT=cdma_sim.1.gz -P man_page.cmake
foreach(var PROGRAM GZIP OUT)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "man_page.cmake needs -D${var}=...")
    endif()
endforeach()

function(run_program flag result)
    execute_process(COMMAND ${PROGRAM} ${flag} OUTPUT_VARIABLE text RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "${PROGRAM} ${flag} ended with status ${status}")
    endif()
    set(${result} "${text}" PARENT_SCOPE)
endfunction()

run_program(--help help)
run_program(--version version)
string(STRIP "${version}" version)

# roff: a backslash is written \e, a minus \- (a plain - may become a hyphen), and a line
# that begins with a dot or an apostrophe would be read as a request.
string(REPLACE "\\" "\\e" help "${help}")
string(REPLACE "-" "\\-" help "${help}")
string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" help "${help}")
string(REGEX REPLACE "\n$" "" help "${help}")

set(page ".TH CDMA_SIM 1 \"\" \"${version}\" \"User Commands\"
.SH NAME
cdma_sim \\- teaching simulator of a CDMA radio link
.SH SYNOPSIS
.B cdma_sim
[\\fICOMMAND\\fR] [\\fIOPTIONS\\fR]
.SH DESCRIPTION
Without a command,
.B cdma_sim
opens the simulator window; the commands run the same simulation without a window.
This is the text of
.BR \"cdma_sim \\-\\-help\" :
.PP
.nf
${help}
.fi
")

get_filename_component(out_dir ${OUT} DIRECTORY)
string(REGEX REPLACE "\\.gz$" "" plain ${OUT})
file(WRITE ${plain} "${page}")
execute_process(COMMAND ${GZIP} -9n -c ${plain} OUTPUT_FILE ${OUT} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "gzip ended with status ${status}")
endif()
