# Makes the Traditional edition from the Simplified sources in SOURCE (resources/): every figure
# text, the dialog, the program's words and the readme, converted by OpenCC with CONFIG (Taiwan's
# standard forms and our phrase table), into OUTPUT. Nothing of it is edited by hand.
file(REMOVE_RECURSE "${OUTPUT}/figures")
file(MAKE_DIRECTORY "${OUTPUT}/figures")
file(GLOB texts RELATIVE "${SOURCE}" "${SOURCE}/figures/*.txt")
foreach(name IN LISTS texts ITEMS main_dialog.rc strings.rc readme-zh.txt)
  execute_process(COMMAND "${OPENCC}" -c "${CONFIG}" -i "${SOURCE}/${name}" -o "${OUTPUT}/${name}"
                  RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "OpenCC could not convert ${name}")
  endif()
endforeach()
