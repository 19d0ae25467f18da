# Reads the rooms of the world's SQL text: used by WorldFacts.cmake, which names them for the code, and
# by the configuration, which gives the painter the room count.

# Sets ${names_var} to the rooms' names in room order (quotes undoubled: "magician's store") and
# ${count_var} to their count. Rooms must be numbered 1, 2, 3 ... each with one text; anything else
# stops with a message naming the row.
function(world_rooms content source names_var count_var)
  string(REGEX MATCHALL "INSERT INTO Descriptions\\([^)\n]*\\) VALUES \\([0-9]+, [^\n]*'\\)" rows "${content}")
  set(names "")
  set(count 0)
  foreach(row IN LISTS rows)
    string(REGEX REPLACE ".*VALUES \\(([0-9]+),.*" "\\1" room "${row}")
    # The name is the row's last text: after the last "', '".
    string(REGEX REPLACE ".*', '(([^']|'')*)'\\)$" "\\1" name "${row}")
    string(REPLACE "''" "'" name "${name}")
    math(EXPR count "${count} + 1")
    if(NOT room EQUAL count)
      message(FATAL_ERROR "${source}: found the text of room ${room} where room ${count} belongs; "
                          "rooms are numbered 1, 2, 3 ... each with one text")
    endif()
    list(APPEND names "${name}")
  endforeach()
  if(count EQUAL 0)
    message(FATAL_ERROR "${source}: no room texts found")
  endif()
  set(${names_var} "${names}" PARENT_SCOPE)
  set(${count_var} ${count} PARENT_SCOPE)
endfunction()
