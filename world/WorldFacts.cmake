# Writes OUTPUT, a C++ header naming the facts of the world in INPUT (world.sql): the number of rooms,
# every action key and every object name as a constant, so that code which uses a key or a name that
# the world does not have fails to compile. Rows the store rejects (an actions row without a room, the
# empty Objects row) are not part of the world and get no name.
# Run as: cmake -DINPUT=... -DOUTPUT=... -P WorldFacts.cmake
cmake_minimum_required(VERSION 3.25)
file(READ "${INPUT}" content)

# The name of a constant: "k" and the words of text, each beginning with a capital.
function(constant_name text result)
  string(REGEX MATCHALL "[A-Za-z0-9]+" words "${text}")
  set(name "k")
  foreach(word IN LISTS words)
    string(SUBSTRING "${word}" 0 1 first)
    string(SUBSTRING "${word}" 1 -1 rest)
    string(TOUPPER "${first}" first)
    string(APPEND name "${first}${rest}")
  endforeach()
  set(${result} "${name}" PARENT_SCOPE)
endfunction()

# Rooms: one Descriptions row each, numbered 1, 2, 3 ... without a gap or a repeat.
string(REGEX MATCHALL "INSERT INTO Descriptions\\([^)]*\\) VALUES \\([0-9]+," room_rows "${content}")
set(room_count 0)
foreach(row IN LISTS room_rows)
  string(REGEX REPLACE ".*VALUES \\(([0-9]+),$" "\\1" room "${row}")
  math(EXPR room_count "${room_count} + 1")
  if(NOT room EQUAL room_count)
    message(FATAL_ERROR "${INPUT}: found the text of room ${room} where room ${room_count} belongs; "
                        "rooms are numbered 1, 2, 3 ... each with one text")
  endif()
endforeach()
if(room_count EQUAL 0)
  message(FATAL_ERROR "${INPUT}: no room texts found")
endif()

# Action keys: rows with a room; a row without one is rejected by the store. Every puzzle starts unsolved.
string(REGEX MATCHALL "INSERT INTO actions\\([^)]*\\) VALUES \\('[^'\n]*', [0-9]+, [0-9]+\\)" key_rows "${content}")
set(key_lines "")
set(key_list "")
set(key_names "")
set(key_count 0)
foreach(row IN LISTS key_rows)
  string(REGEX REPLACE ".*VALUES \\('([^']*)', ([0-9]+), [0-9]+\\)$" "\\1;\\2" key_and_status "${row}")
  list(GET key_and_status 0 key)
  list(GET key_and_status 1 status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${INPUT}: the action key \"${key}\" starts at status ${status}; "
                        "every puzzle starts unsolved (0)")
  endif()
  constant_name("${key}" name)
  if(name IN_LIST key_names)
    message(FATAL_ERROR "${INPUT}: two action keys make the constant ${name} (\"${key}\")")
  endif()
  list(APPEND key_names "${name}")
  math(EXPR key_count "${key_count} + 1")
  string(APPEND key_lines "inline constexpr char ${name}[] = \"${key}\";\n")
  string(APPEND key_list "    key::${name},\n")
endforeach()

# Object names: every name once, however many rooms it lies in.
string(REGEX MATCHALL "INSERT INTO Objects\\([^)]*\\) VALUES \\([0-9]+, '[^'\n]*'" object_rows "${content}")
set(object_lines "")
set(object_list "")
set(object_names "")
set(object_texts "")
set(object_row_count 0)
foreach(row IN LISTS object_rows)
  string(REGEX REPLACE ".*VALUES \\([0-9]+, '([^']*)'$" "\\1" object "${row}")
  math(EXPR object_row_count "${object_row_count} + 1")
  constant_name("${object}" name)
  if(name IN_LIST object_names)
    list(FIND object_names "${name}" index)
    list(GET object_texts ${index} earlier)
    if(NOT earlier STREQUAL object)
      message(FATAL_ERROR "${INPUT}: objects \"${earlier}\" and \"${object}\" make the same constant ${name}")
    endif()
    continue()
  endif()
  list(APPEND object_names "${name}")
  list(APPEND object_texts "${object}")
  string(APPEND object_lines "inline constexpr char ${name}[] = \"${object}\";\n")
  string(APPEND object_list "    object::${name},\n")
endforeach()

file(WRITE "${OUTPUT}.new" "// Generated from ${INPUT} by WorldFacts.cmake; edit the world instead.
#pragma once

namespace brackenhollow {

// Rooms are numbered 1 to kRoomCount, each with one text in the starting world.
inline constexpr int kRoomCount = ${room_count};
// Action keys the starting world stores, each at status 0.
inline constexpr int kKeyCount = ${key_count};
// Rows of the Objects table in the starting world (a name lying in several rooms counts once a room).
inline constexpr int kObjectRowCount = ${object_row_count};

// The action keys, letter for letter as stored.
namespace key {
${key_lines}}  // namespace key

// The names of the objects that lie in the starting world, letter for letter as stored.
namespace object {
${object_lines}}  // namespace object

inline constexpr const char* kAllKeys[] = {
${key_list}};
inline constexpr const char* kAllObjectNames[] = {
${object_list}};

}  // namespace brackenhollow
")
# Only a changed header is rewritten, so editing a room text does not rebuild everything that names a key.
file(COPY_FILE "${OUTPUT}.new" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.new")
