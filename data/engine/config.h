#pragma once
// The engine's configuration: aliases (name -> database name) and drive roots (letter -> folder).
// Read from NOTAFISCAL_ENGINE_CONFIG, else $XDG_CONFIG_HOME/notafiscal/engine.ini; without a
// file the alias nota_fiscal is C:\nota_fiscal and drive C is $XDG_DATA_HOME/notafiscal/C.

#include <map>
#include <string>

namespace engine {

class EngineConfig {
public:
    // Reads the configuration file; a malformed file throws EngineInitError (code kConfiguration).
    static EngineConfig load();
    static EngineConfig parse(const std::string& iniText);  // throws EngineInitError
    static std::string defaultPath();                         // where load() looks

    // Folder of a database name. A name with ':' or '\' is a folder ("C:\nota_fiscal" maps
    // through the drive table, a plain POSIX path stays as it is); any other name is an alias,
    // matched without regard to case. Throws EngineError for an unknown alias or drive.
    std::string resolveFolder(const std::string& databaseName) const;

    std::map<std::string, std::string> aliases;  // lower-case name -> database name
    std::map<char, std::string> drives;          // upper-case letter -> folder
};

}  // namespace engine
