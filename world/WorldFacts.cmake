# Writes OUTPUT, a C++ header naming the facts of the world in INPUT (world.sql): the number of rooms,
# the room a new game starts in, every room, action key and object name as a constant, so that code which uses a key or a name that
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

# Rooms: one Descriptions row each, numbered 1, 2, 3 ... without a gap or a repeat, each named by its
# roomname; a name that several rooms share gets the room's number after it (kAlley87, kAlley112).
include("${CMAKE_CURRENT_LIST_DIR}/WorldRows.cmake")
world_rooms("${content}" "${INPUT}" room_texts room_count)
set(room_constants "")
foreach(text IN LISTS room_texts)
  string(REPLACE "'" "" bare "${text}")
  constant_name("${bare}" name)
  list(APPEND room_constants "${name}")
endforeach()
set(room_lines "")
set(room_number 0)
foreach(name IN LISTS room_constants)
  math(EXPR room_number "${room_number} + 1")
  set(copies 0)
  foreach(other IN LISTS room_constants)
    if(other STREQUAL name)
      math(EXPR copies "${copies} + 1")
    endif()
  endforeach()
  if(copies GREATER 1)
    set(name "${name}${room_number}")
  endif()
  string(APPEND room_lines "inline constexpr int ${name} = ${room_number};\n")
endforeach()

# The room a new game starts in: the saved room the starting world writes.
string(REGEX MATCH "INSERT INTO currentroom\\(room\\) VALUES \\(([0-9]+)\\)" first_room_row "${content}")
if(NOT first_room_row)
  message(FATAL_ERROR "${INPUT}: no currentroom row says where a new game starts")
endif()
set(first_room "${CMAKE_MATCH_1}")
if(first_room LESS 1 OR first_room GREATER room_count)
  message(FATAL_ERROR "${INPUT}: a new game starts in room ${first_room}, which the world does not have")
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
// The room a new game starts in.
inline constexpr int kFirstRoom = ${first_room};
// Action keys the starting world stores, each at status 0.
inline constexpr int kKeyCount = ${key_count};
// Rows of the Objects table in the starting world (a name lying in several rooms counts once a room).
inline constexpr int kObjectRowCount = ${object_row_count};

// True for a room number the world has.
constexpr bool IsRoom(int number) { return number >= 1 && number <= kRoomCount; }

// The rooms by their names in the world (\"next to well\" is room::kNextToWell).
namespace room {
${room_lines}}  // namespace room

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
