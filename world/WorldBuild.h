#pragma once
// Builds the starting world into the store from the SQL text the program carries.

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace brackenhollow {

class GameDatabase;

// The world's SQL text split into its statements, in order.
const std::vector<std::string>& WorldStatements();

// Called after each statement with its index; lets a test interrupt a build part-way.
using BuildObserver = std::function<void(std::size_t statementIndex)>;

// Drops, creates and fills the game's five tables as one transaction: afterwards the store holds
// either the whole starting world or, when the build could not finish, exactly what it held before.
// Statements the store rejects (drops of missing tables, the malformed rows of the starting world) are
// passed over.
// Returns false when the world could not be written.
bool BuildWorldDatabase(GameDatabase& database, const BuildObserver& observer = {});

// Marks the store as ours and of this format, inside the caller's transaction. Returns false when
// the marks could not be written.
bool StampWorldFormat(GameDatabase& database);

}  // namespace brackenhollow
