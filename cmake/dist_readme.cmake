# Writes the readme as Notepad on a Chinese (code page 936) system expects it: GBK with CR LF.
# iconv stops at a character GBK lacks, so such a text fails the build instead of shipping a "?".
if(NOT ICONV)
  message(FATAL_ERROR "iconv was not found; it turns the readme into GBK")
endif()
file(READ "${INPUT}" text)
string(REPLACE "\r\n" "\n" text "${text}")
string(REPLACE "\n" "\r\n" text "${text}")
file(WRITE "${OUTPUT}.utf8" "${text}")
execute_process(COMMAND "${ICONV}" -f UTF-8 -t GBK "${OUTPUT}.utf8"
  OUTPUT_FILE "${OUTPUT}" RESULT_VARIABLE status)
file(REMOVE "${OUTPUT}.utf8")
if(NOT status EQUAL 0)
  file(REMOVE "${OUTPUT}")
  message(FATAL_ERROR "${INPUT} has a character that GBK cannot hold")
endif()
