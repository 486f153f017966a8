# Compiles the GBK copies of the help sources into ZunoHelp.chm with Free Pascal's
# chmcmd and checks the result: chmcmd only warns about broken links and missing
# files, which in a help file are errors, so any warning fails the build.
#   cmake -DCHMCMD=... -DSTAGE=dir -DPROJECT=ZunoHelp.hhp -DCHM=ZunoHelp.chm
#         -DPAGES=a.htm;b.htm -DOUTPUT=dst -P CompileChm.cmake
cmake_minimum_required(VERSION 3.25)
foreach(var CHMCMD STAGE PROJECT CHM PAGES OUTPUT)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "CompileChm.cmake needs -D${var}=...")
  endif()
endforeach()

# Every page must be named in the project's file list and reachable from the
# contents, or readers could never find it. (file(READ) drops the CR of CR LF.)
file(READ "${STAGE}/${PROJECT}" hhp)
get_filename_component(project_stem "${PROJECT}" NAME_WE)
file(READ "${STAGE}/${project_stem}.hhc" hhc)
foreach(page IN LISTS PAGES)
  string(FIND "${hhp}" "\n${page}\n" in_hhp)
  string(FIND "${hhc}" "\"${page}\"" in_hhc)
  if(in_hhp EQUAL -1)
    message(FATAL_ERROR "${page} is missing from the [FILES] list of ${PROJECT}")
  endif()
  if(in_hhc EQUAL -1)
    message(FATAL_ERROR "${page} is missing from the contents ${project_stem}.hhc")
  endif()
endforeach()

file(REMOVE "${STAGE}/${CHM}")
execute_process(COMMAND "${CHMCMD}" --verbosity 1 "${PROJECT}"
                WORKING_DIRECTORY "${STAGE}"
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
set(log "${out}${err}")
if(NOT rc EQUAL 0 OR log MATCHES "(Warning|Error|error)")
  message(FATAL_ERROR "chmcmd reported problems with ${PROJECT} (exit code ${rc}):\n${log}")
endif()
if(NOT EXISTS "${STAGE}/${CHM}")
  message(FATAL_ERROR "chmcmd wrote no ${CHM}:\n${log}")
endif()
file(READ "${STAGE}/${CHM}" magic LIMIT 4 HEX)
if(NOT magic STREQUAL "49545346")  # "ITSF"
  message(FATAL_ERROR "${CHM} is not an ITSF file")
endif()
file(COPY_FILE "${STAGE}/${CHM}" "${OUTPUT}")
