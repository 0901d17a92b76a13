#pragma once
// The items the response grid lists: the item number and second answer of every record of the
// question database's "English" table, in table order.
#include "shell/FileError.h"

#include <string>
#include <utility>
#include <vector>

using GridItemList = std::vector<std::pair<int, std::string>>;

// Opens the database at `path` exclusively, reads and checks its "English" table and closes it again.
// On failure `items` is empty and the error names the file and the problem.
[[nodiscard]] FileError LoadGridItems(const std::string& path, GridItemList& items);
