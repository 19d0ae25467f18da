# The names generated from the world rows, tried on test worlds made from world.sql: a room numbered
# after the island takes no role from it, rooms that share a name are told apart by number, and rows
# out of order stop the generator with a message that names the row.
# Run as: cmake -DWORLD=world.sql -DGENERATOR=WorldFacts.cmake -DSCRATCH=folder -P WorldFactsTest.cmake
cmake_minimum_required(VERSION 3.25)
file(READ "${WORLD}" world)
file(MAKE_DIRECTORY "${SCRATCH}")

# Runs the generator on text; sets ${header_var} to the header, ${result_var} to its exit status and
# ${errors_var} to what it said.
function(generate name text header_var result_var errors_var)
  file(WRITE "${SCRATCH}/${name}.sql" "${text}")
  file(REMOVE "${SCRATCH}/${name}.h")
  execute_process(COMMAND ${CMAKE_COMMAND} -DINPUT=${SCRATCH}/${name}.sql -DOUTPUT=${SCRATCH}/${name}.h
                          -P ${GENERATOR}
                  RESULT_VARIABLE result ERROR_VARIABLE errors OUTPUT_QUIET)
  set(header "")
  if(EXISTS "${SCRATCH}/${name}.h")
    file(READ "${SCRATCH}/${name}.h" header)
  endif()
  set(${header_var} "${header}" PARENT_SCOPE)
  set(${result_var} "${result}" PARENT_SCOPE)
  set(${errors_var} "${errors}" PARENT_SCOPE)
endfunction()

function(expect_line header line what)
  string(FIND "${header}" "${line}\n" at)
  if(at EQUAL -1)
    message(SEND_ERROR "${what}: the header lacks \"${line}\"")
  endif()
endfunction()

generate(world "${world}" header result errors)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "the world itself does not generate: ${errors}")
endif()
string(REGEX MATCH "kRoomCount = ([0-9]+);" found "${header}")
set(count ${CMAKE_MATCH_1})
string(REGEX MATCH "kIsland = ([0-9]+);" found "${header}")
set(island ${CMAKE_MATCH_1})
string(REGEX MATCH "kFirstRoom = ([0-9]+);" found "${header}")
set(first ${CMAKE_MATCH_1})
if(NOT count OR NOT island OR NOT first)
  message(FATAL_ERROR "the world's header lacks the room count, the island or the first room")
endif()

# A room after the island, sharing its name with another room.
math(EXPR next "${count} + 1")
string(REPLACE "UPDATE Descriptions SET NewDescr"
               "INSERT INTO Descriptions(Roomnumber, Description, roomname) VALUES (${next}, 'A test room past the island.', 'next to well');\nUPDATE Descriptions SET NewDescr"
               added "${world}")
generate(added "${added}" header result errors)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "a room after the island does not generate: ${errors}")
endif()
expect_line("${header}" "inline constexpr int kRoomCount = ${next};" "a room after the island")
expect_line("${header}" "inline constexpr int kIsland = ${island};" "a room after the island")
expect_line("${header}" "inline constexpr int kFirstRoom = ${first};" "a room after the island")
expect_line("${header}" "inline constexpr int kNextToWell${next} = ${next};" "two rooms named alike")
string(FIND "${header}" "int kNextToWell = " plain)
if(NOT plain EQUAL -1)
  message(SEND_ERROR "two rooms named alike: one still has the plain name")
endif()

# A room whose number leaves a gap.
math(EXPR gap "${count} + 2")
string(REPLACE "UPDATE Descriptions SET NewDescr"
               "INSERT INTO Descriptions(Roomnumber, Description, roomname) VALUES (${gap}, 'A room too far.', 'far room');\nUPDATE Descriptions SET NewDescr"
               gapped "${world}")
generate(gapped "${gapped}" header result errors)
if(result EQUAL 0)
  message(SEND_ERROR "a room numbered ${gap} after room ${count} was accepted")
endif()
# CMake wraps its messages to the width of the text: compare with every run of blanks made one.
string(REGEX REPLACE "[ \t\n]+" " " said "${errors}")
string(FIND "${said}" "found the text of room ${gap} where room ${next} belongs" said)
if(said EQUAL -1)
  message(SEND_ERROR "a gap in the numbering was refused without naming the room: ${errors}")
endif()
