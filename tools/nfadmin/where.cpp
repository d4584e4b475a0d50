// nfadmin where: the folder and file a database name stands for.
#include "admin.h"
#include "engine/config.h"
#include "engine/database.h"

namespace nfadmin {

Location where(const std::string& databaseName) {
    const engine::EngineConfig config = engine::EngineConfig::load();
    Location location;
    location.folder = config.resolveFolder(databaseName);
    location.file = location.folder + "/" + engine::Database::kFileName;
    return location;
}

}  // namespace nfadmin
