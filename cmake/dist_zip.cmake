# Writes the release archive ZIP from the files MEMBERS in STAGE, the same bytes from every build of
# one commit: members in the order given, each with the time EPOCH (seconds since 1970, UTC), mode
# 644 and no extra fields (owner, access times). SHA256SUMS beside it names the archive and EXE.
#   cmake -DZIP_PROGRAM=... -DSTAGE=... -DMEMBERS=a;b -DEPOCH=... -DZIP=... -DEXE=... -P dist_zip.cmake
foreach(member IN LISTS MEMBERS)
  file(CHMOD "${STAGE}/${member}" PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
  execute_process(COMMAND touch -d "@${EPOCH}" "${STAGE}/${member}" RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "could not set the time of ${member}")
  endif()
endforeach()
file(REMOVE "${ZIP}")
# zip keeps local time, so it is given UTC.
execute_process(COMMAND ${CMAKE_COMMAND} -E env TZ=UTC0 "${ZIP_PROGRAM}" -X -D -q "${ZIP}" ${MEMBERS}
                WORKING_DIRECTORY "${STAGE}" RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "zip could not write ${ZIP}")
endif()
file(SHA256 "${ZIP}" zip_sum)
file(SHA256 "${EXE}" exe_sum)
get_filename_component(zip_name "${ZIP}" NAME)
get_filename_component(exe_name "${EXE}" NAME)
get_filename_component(dir "${ZIP}" DIRECTORY)
file(WRITE "${dir}/SHA256SUMS" "${zip_sum}  ${zip_name}\n${exe_sum}  ${exe_name}\n")
