# Converts one UTF-8 text file to the GBK code page that the program and Windows'
# help viewer read on a Simplified-Chinese system, with CR LF line ends.
#   cmake -DINPUT=src -DOUTPUT=dst -DICONV=/usr/bin/iconv -P ConvertText.cmake
# A character outside GBK stops the build with its file and line.
cmake_minimum_required(VERSION 3.25)
foreach(var INPUT OUTPUT ICONV)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "ConvertText.cmake needs -D${var}=...")
  endif()
endforeach()

# A byte-order mark would become garbage in GBK; editors may add one.
file(READ "${INPUT}" bom LIMIT 3 HEX)
if(bom STREQUAL "efbbbf")
  file(READ "${INPUT}" text OFFSET 3)
else()
  file(READ "${INPUT}" text)
endif()
# file(READ) already drops the CR of CR LF; normalise whatever is left.
string(REPLACE "\r\n" "\n" text "${text}")
string(REPLACE "\r" "\n" text "${text}")
string(REPLACE "\n" "\r\n" text "${text}")

get_filename_component(out_dir "${OUTPUT}" DIRECTORY)
file(MAKE_DIRECTORY "${out_dir}")
set(crlf_utf8 "${OUTPUT}.utf8.tmp")
set(gbk_tmp "${OUTPUT}.gbk.tmp")
file(WRITE "${crlf_utf8}" "${text}")
execute_process(COMMAND "${ICONV}" -f UTF-8 -t GBK
                INPUT_FILE "${crlf_utf8}" OUTPUT_FILE "${gbk_tmp}"
                RESULT_VARIABLE rc ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  # iconv names the byte offset of the first character it cannot convert.
  set(where "")
  if(err MATCHES "position ([0-9]+)")
    string(SUBSTRING "${text}" 0 ${CMAKE_MATCH_1} before)
    string(REGEX REPLACE "[^\n]" "" newlines "${before}")
    string(LENGTH "${newlines}" line)
    math(EXPR line "${line} + 1")
    set(where ":${line}")
  endif()
  file(REMOVE "${crlf_utf8}" "${gbk_tmp}")
  string(STRIP "${err}" err)
  message(FATAL_ERROR "${INPUT}${where}: cannot be written in GBK (${err})")
endif()
file(REMOVE "${crlf_utf8}")
file(RENAME "${gbk_tmp}" "${OUTPUT}")
