#pragma once
// The engine session: started by the first open, it keeps one connection per distinct database
// name until it ends; names that lead to the same folder share the SQLite handle beneath, so
// a result still being read under one name never blocks a write under another. A failed start
// leaves it inactive, and the next open tries again.

#include <functional>
#include <map>
#include <memory>
#include <string>

#include "config.h"

namespace engine {

class Database;

class Session {
public:
    using ConfigLoader = std::function<EngineConfig()>;

    explicit Session(ConfigLoader loader = &EngineConfig::load);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // The connection for a database name (alias or folder), opened on first use. Starts the
    // engine when inactive (EngineInitError on failure); EngineError when the database can't open.
    Database& database(const std::string& name);

    bool active() const { return config_ != nullptr; }
    const EngineConfig& config();  // starts the engine if needed

private:
    void start();

    ConfigLoader loader_;
    std::unique_ptr<EngineConfig> config_;
    std::map<std::string, std::unique_ptr<Database>> databases_;  // by name as given
};

}  // namespace engine
