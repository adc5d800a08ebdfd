#pragma once
// The files of an Access application besides the database a command was
// given: the HTML files of its data access pages, which a replace writes
// beside the database, and the backends its linked tables read.

#include <string>
#include <vector>

#include "engine/search_engine.h"

namespace cli {

// The HTML files the database's pages link to that are there.
std::vector<std::string> PageFiles(const std::string& database);

// The other Access databases the project's tables link to that are there,
// each once, by full path, read through DAO with the project's logon.
std::vector<std::string> LinkedBackends(const engine::ProjectOptions& project);

}  // namespace cli
