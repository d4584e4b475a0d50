#include "session.h"

#include <sqlite3.h>
#include <sys/stat.h>

#include "database.h"
#include "engine_error.h"

namespace engine {
namespace {

// Whether two folder names lead to the same folder (symbolic links and spelling aside).
bool sameFolder(const std::string& a, const std::string& b) {
    struct stat first {}, second {};
    return ::stat(a.c_str(), &first) == 0 && ::stat(b.c_str(), &second) == 0 &&
           first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

}  // namespace

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
    const std::string folder = config_->resolveFolder(name);
    std::unique_ptr<Database> database;
    for (const auto& [otherName, other] : databases_) {
        if (sameFolder(other->folder(), folder)) {
            database = std::make_unique<Database>(folder, *other);
            break;
        }
    }
    if (!database) database = std::make_unique<Database>(folder);
    return *databases_.emplace(name, std::move(database)).first->second;
}

}  // namespace engine
