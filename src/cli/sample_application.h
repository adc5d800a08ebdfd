#pragma once
// The built-in sample application: a customers-and-orders front end with
// local and linked tables, queries of several kinds, relationships and
// import specifications, and the backend its linked tables point to, built
// from the text source in samples/.

#include <string>

namespace cli {

extern const char* const kSampleSource;

// Writes the sample's files into a new or empty folder (created when
// missing) and returns the path of the front-end database. A folder that
// cannot take the sample is refused before anything is written; a failure
// part-way takes back everything written.
std::string WriteSampleApplication(const std::string& folder);

// Builds the application a JSON source describes (the sample's format).
std::string BuildApplication(const std::string& source, const std::string& folder);

}  // namespace cli
