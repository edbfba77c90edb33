# The release archive holds exactly the built torvane.exe and the readme, the readme in GBK with
# CR LF line ends.   cmake -DZIP=... -DEXE=... -P check_dist.cmake
set(out ${CMAKE_CURRENT_BINARY_DIR}/dist-check)
file(REMOVE_RECURSE ${out})
file(MAKE_DIRECTORY ${out})
execute_process(COMMAND ${CMAKE_COMMAND} -E tar xf ${ZIP} WORKING_DIRECTORY ${out} RESULT_VARIABLE status)
file(GLOB entries RELATIVE ${out} ${out}/*)
if(NOT status EQUAL 0 OR NOT entries STREQUAL "readme.txt;torvane.exe")
  message(FATAL_ERROR "archive holds: ${entries}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${EXE} ${out}/torvane.exe RESULT_VARIABLE differs)
if(differs)
  message(FATAL_ERROR "torvane.exe in the archive is not the one built")
endif()
file(READ ${out}/readme.txt bytes HEX)
string(REGEX REPLACE "(..)" " \\1" bytes "${bytes}")  # byte-aligned: " c1 e9 ..."
string(REGEX MATCHALL " 0a" lf "${bytes}")
string(REGEX MATCHALL " 0d 0a" crlf "${bytes}")
list(LENGTH lf lf)
list(LENGTH crlf crlf)
string(FIND "${bytes}" " c1 e9 c6 e5 be ad" gbk)  # 灵棋经 in GBK
if(lf EQUAL 0 OR NOT lf EQUAL crlf OR gbk EQUAL -1)
  message(FATAL_ERROR "readme.txt is not GBK with CR LF")
endif()
