# Writes the readme as Notepad shows it right on any system language, from XP on: UTF-8 with a
# byte-order mark, CR LF line ends.
file(READ "${INPUT}" text)
string(REPLACE "\r\n" "\n" text "${text}")
string(REPLACE "\n" "\r\n" text "${text}")
string(ASCII 239 187 191 bom)
file(WRITE "${OUTPUT}" "${bom}${text}")
