# Turns OpenCC's traditional-to-simplified character table (text form, one
# "traditional<TAB>simplified [alternatives]" line per character) into C++ table rows
# {traditional, simplified}, sorted by the traditional character. Only characters of the
# Basic Multilingual Plane are kept: the mapping works one UTF-16 unit at a time, as the
# system's own LCMapStringW does.
#   cmake -DINPUT=<ts.txt> -DOUTPUT=<table.inc> -P GenerateSimplifiedTable.cmake
file(STRINGS "${INPUT}" lines ENCODING UTF-8)
set(rows)
foreach(line IN LISTS lines)
  string(REPLACE "\t" ";" fields "${line}")
  list(LENGTH fields count)
  if(count LESS 2)
    continue()
  endif()
  list(GET fields 0 from)
  list(GET fields 1 candidates)
  string(REPLACE " " ";" candidates "${candidates}")
  list(GET candidates 0 to)
  # UTF-8 lengths in bytes: one BMP character is 1 to 3 bytes; the table holds no ASCII pairs.
  string(LENGTH "${from}" from_bytes)
  string(LENGTH "${to}" to_bytes)
  if(from_bytes GREATER 1 AND from_bytes LESS 4 AND to_bytes GREATER 1 AND to_bytes LESS 4
     AND NOT from STREQUAL to)
    list(APPEND rows "{u'${from}', u'${to}'},")
  endif()
endforeach()
# Byte order of UTF-8 is code-point order, so this sorts by the traditional character.
list(SORT rows)
list(LENGTH rows row_count)
if(row_count LESS 2000)
  message(FATAL_ERROR "${INPUT} gave only ${row_count} characters")
endif()
string(REPLACE ";" "\n" body "${rows}")
file(WRITE "${OUTPUT}.tmp"
  "// Generated from OpenCC's TSCharacters table at build time; do not edit.\n${body}\n")
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
