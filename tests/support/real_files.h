#pragma once
// The real Access files of the shared fixtures (written by Access itself),
// and writable copies of them in a test's folder.

#include <string>

#include "support/temp_dir.h"

namespace testing_support {

// The path of a fixture file; the fixtures are never written.
std::string RealFixture(const std::string& name);
// A writable copy of the fixture in the folder, under the same name.
std::string CopyRealFixture(const TempDir& folder, const std::string& name);
// The SQL the fixtures' query tests expect for each of their nine queries.
std::string ExpectedQuerySql(const std::string& query);

}  // namespace testing_support
