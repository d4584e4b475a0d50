#pragma once
// The one exception type for engine failures: a code and the engine's message lines.

#include <stdexcept>
#include <string>
#include <vector>

namespace engine {

// Codes the engine raises (its own numbering; only the library code is fixed by contract).
namespace code {
constexpr int kLibraryMissing = 0x2108;   // the SQLite library could not be used
constexpr int kConfiguration = 0x2109;    // malformed engine configuration
constexpr int kUnknownDatabase = 0x2501;  // alias not defined / drive not mapped
constexpr int kFolderMissing = 0x2502;    // database folder missing or unreadable
constexpr int kNotADatabase = 0x2503;     // the database file is not SQLite
constexpr int kDatabaseMissing = 0x2509;  // no database file in the folder
constexpr int kTableMissing = 0x2504;     // no such table
constexpr int kIndexMissing = 0x2505;     // no such index on the table
constexpr int kReadOnly = 0x2506;         // write to a table that is not modifiable
constexpr int kRecordLocked = 0x2507;     // record locked by another process
constexpr int kRecordGone = 0x2508;       // record deleted or changed by another user
constexpr int kSqlRefused = 0x2601;       // more than one statement, or a parameter marker
constexpr int kSqlite = 0x3000;           // + SQLite's primary result code
}  // namespace code

class EngineError : public std::runtime_error {
public:
    // The message is the texts, one per line, each once; with no text "Database engine error $%.4x".
    EngineError(int code, std::vector<std::string> texts);
    int code() const { return code_; }
    const std::vector<std::string>& texts() const { return texts_; }

protected:
    EngineError(int code, std::vector<std::string> texts, std::string message);

private:
    int code_;
    std::vector<std::string> texts_;
};

// Initialisation failed: "An error occurred while attempting to initialize the database engine
// (error $%.4x)". The session stays inactive; the next open tries again.
class EngineInitError : public EngineError {
public:
    EngineInitError(int code, std::vector<std::string> detail = {});
};

}  // namespace engine
