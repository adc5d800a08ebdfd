#pragma once
// `quillnet import DIR DB` and `quillnet export DB DIR`: an application's
// forms, reports, macros, modules, queries, command bars and data access
// pages between a folder in the source-control layout and a database file.

#include <string>
#include <vector>

#include "cli/bars_and_pages.h"
#include "cli/commands.h"
#include "cli/options.h"
#include "sim/access/stored_document.h"

namespace cli {

// Creates or replaces the documents, command bars and data access pages in
// the database file in one transaction; 3031 when the database password
// does not match.
void StoreDocuments(const std::string& database, const std::string& password,
                    const std::vector<sim::access::StoredDocument>& documents,
                    const BarsAndPages& bars_and_pages = {});

// Loads every document, bar and page of the folder into the database (created empty when
// missing) in one transaction: one bad file, and nothing is written.
int Import(const Options& options, Console& console);
// Writes every document and bar of the database, and its pages' HTML
// files, into the folder.
int Export(const Options& options, Console& console);

}  // namespace cli
