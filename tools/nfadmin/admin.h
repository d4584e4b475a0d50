#pragma once
// The administration commands as functions, shared by the nfadmin program and the tests.
// Each throws std::runtime_error (or engine::EngineError) with a clear message on failure.

#include <string>
#include <vector>

namespace nfadmin {

// Creates database.sqlite3 in `folder` (made if missing) with the five tables and their indexes.
// Refuses a database that already has any of the tables. `demo` adds the demo data set.
void initDatabase(const std::string& folder, bool demo);

// Fills a database that has the tables with a few customers with addresses, products and two
// invoices with items (one of them invoice number 1).
void addDemoData(const std::string& folder);

// SQLite's integrity check and the binding of every table as the screens bind it; one line per
// problem, empty when the database is sound.
std::vector<std::string> checkDatabase(const std::string& databaseName);

// The folder and file a database name (alias or folder) resolves to.
struct Location { std::string folder, file; };
Location where(const std::string& databaseName);

}  // namespace nfadmin
