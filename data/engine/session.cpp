#include "session.h"

#include <sqlite3.h>

#include "database.h"
#include "engine_error.h"

namespace engine {

Session::Session(ConfigLoader loader) : loader_(std::move(loader)) {}

Session::~Session() = default;

void Session::start() {
    if (config_) return;
    if (sqlite3_initialize() != SQLITE_OK)
        throw EngineInitError(code::kLibraryMissing, {"The SQLite library could not be started"});
    config_ = std::make_unique<EngineConfig>(loader_());
}

const EngineConfig& Session::config() {
    start();
    return *config_;
}

Database& Session::database(const std::string& name) {
    start();
    if (const auto found = databases_.find(name); found != databases_.end()) return *found->second;
    auto database = std::make_unique<Database>(config_->resolveFolder(name));
    return *databases_.emplace(name, std::move(database)).first->second;
}

}  // namespace engine
