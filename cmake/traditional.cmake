# Makes the Traditional edition from the Simplified sources in SOURCE (resources/): every figure
# text, the dialog, the program's words, the version block and the readme, converted by OpenCC into
# OUTPUT, in Taiwan's standard forms with our phrase table first. The texts in the book's manner take
# CONFIG (characters only: a classical text has no modern words to replace); the introduction and
# the readme, in today's language, take CONFIG_WORDS, which also uses Taiwan's words (程式, 資料夾).
# Quotation marks become Taiwan's 「」 and 『』. Nothing of it is edited by hand.
file(REMOVE_RECURSE "${OUTPUT}/figures")
file(MAKE_DIRECTORY "${OUTPUT}/figures")
file(GLOB texts RELATIVE "${SOURCE}" "${SOURCE}/figures/*.txt")
foreach(name IN LISTS texts ITEMS main_dialog.rc strings.rc version_strings.rc readme-zh.txt)
  set(config "${CONFIG}")
  if(name STREQUAL "figures/intro.txt" OR name STREQUAL "readme-zh.txt")
    set(config "${CONFIG_WORDS}")
  endif()
  execute_process(COMMAND "${OPENCC}" -c "${config}" -i "${SOURCE}/${name}" -o "${OUTPUT}/${name}"
                  RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "OpenCC could not convert ${name}")
  endif()
  file(READ "${OUTPUT}/${name}" text)
  foreach(pair IN ITEMS "“:「" "”:」" "‘:『" "’:』")
    string(REPLACE ":" ";" pair "${pair}")
    list(GET pair 0 from)
    list(GET pair 1 to)
    string(REPLACE "${from}" "${to}" text "${text}")
  endforeach()
  file(WRITE "${OUTPUT}/${name}" "${text}")
endforeach()
