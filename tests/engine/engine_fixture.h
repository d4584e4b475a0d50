#pragma once
// Engine tests' shared ground: a database folder in a temporary directory with tables made by
// plain SQL, opened through the engine.

#include <QTemporaryDir>
#include <memory>
#include <string>

#include "engine/database.h"

namespace engine_testing {

class EngineFolder {
public:
    EngineFolder();
    std::string folder() const;  // holds database.sqlite3
    std::string file() const;
    // Runs SQL straight on the file (set-up and checks), outside the engine.
    void exec(const std::string& sql) const;
    std::string scalar(const std::string& sql) const;  // first column of the first row, "NULL"
    std::unique_ptr<engine::Database> open() const;

private:
    QTemporaryDir dir_;
};

// The bytes of a file, to prove it was left untouched.
std::string fileBytes(const std::string& path);

}  // namespace engine_testing
