// Reading the engine configuration and resolving database names to folders.
#include "config.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <sys/stat.h>

#include "engine_error.h"

namespace engine {
namespace {

constexpr const char* kDefaultAlias = "nota_fiscal";
constexpr const char* kDefaultAliasTarget = "C:\\nota_fiscal";

std::string trim(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return {};
    const auto last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

std::string lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// An XDG base folder: the variable if set to an absolute path, else $HOME + fallback.
std::string xdgFolder(const char* variable, const char* homeRelative) {
    const char* value = std::getenv(variable);
    if (value && value[0] == '/') return value;
    const char* home = std::getenv("HOME");
    return std::string(home && *home ? home : "") + homeRelative;
}

bool isDrivePath(const std::string& name) {
    return name.size() >= 2 && std::isalpha(static_cast<unsigned char>(name[0])) &&
           name[1] == ':';
}

bool isFolderName(const std::string& name) {
    return !name.empty() &&
           (name[0] == '/' || name.find(':') != std::string::npos ||
            name.find('\\') != std::string::npos);
}

// "C:\nota_fiscal" -> drive C's folder + "/nota_fiscal"; a POSIX path stays as it is.
std::string folderOf(const std::string& name, const std::map<char, std::string>& drives) {
    if (name[0] == '/') return name;
    if (!isDrivePath(name))
        throw EngineError(code::kUnknownDatabase,
                          {"Database folder '" + name + "' does not start with a drive letter"});
    const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
    const auto drive = drives.find(letter);
    if (drive == drives.end())
        throw EngineError(code::kUnknownDatabase,
                          {std::string("Drive ") + letter + ": is not mapped to a folder (database '" +
                           name + "')"});
    std::string rest = name.substr(2);
    std::replace(rest.begin(), rest.end(), '\\', '/');
    const auto start = rest.find_first_not_of('/');
    rest = start == std::string::npos ? std::string() : rest.substr(start);
    std::string folder = drive->second;
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    if (!rest.empty()) folder += '/' + rest;
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    return folder;
}

EngineConfig parseNamed(const std::string& iniText, const std::string& source) {
    enum class Section { None, Aliases, Drives } section = Section::None;
    EngineConfig config;
    std::istringstream in(iniText);
    std::string raw;
    int lineNumber = 0;
    auto malformed = [&](const std::string& why) {
        return EngineInitError(code::kConfiguration,
                               {source + ", line " + std::to_string(lineNumber) + ": " + why});
    };
    while (std::getline(in, raw)) {
        ++lineNumber;
        const std::string line = trim(raw);
        if (line.empty() || line[0] == ';' || line[0] == '#') continue;
        if (line.front() == '[') {
            if (line.back() != ']') throw malformed("unterminated section header");
            const std::string name = lower(trim(line.substr(1, line.size() - 2)));
            if (name == "aliases") section = Section::Aliases;
            else if (name == "drives") section = Section::Drives;
            else throw malformed("unknown section [" + line.substr(1, line.size() - 2) + "]");
            continue;
        }
        const auto equals = line.find('=');
        if (equals == std::string::npos) throw malformed("expected name = value");
        const std::string key = trim(line.substr(0, equals));
        const std::string value = trim(line.substr(equals + 1));
        if (key.empty()) throw malformed("missing name before '='");
        if (value.empty()) throw malformed("missing value for '" + key + "'");
        switch (section) {
        case Section::None:
            throw malformed("'" + key + "' is outside [Aliases] and [Drives]");
        case Section::Aliases:
            if (!isFolderName(value))
                throw malformed("alias '" + key + "' must name a folder, not '" + value + "'");
            config.aliases[lower(key)] = value;
            break;
        case Section::Drives:
            if (key.size() != 1 || !std::isalpha(static_cast<unsigned char>(key[0])))
                throw malformed("'" + key + "' is not a drive letter");
            if (value[0] != '/') throw malformed("drive " + key + " must map to an absolute folder");
            config.drives[static_cast<char>(std::toupper(static_cast<unsigned char>(key[0])))] =
                value;
            break;
        }
    }
    return config;
}

}  // namespace

std::string EngineConfig::defaultPath() {
    if (const char* path = std::getenv("NOTAFISCAL_ENGINE_CONFIG"); path && *path) return path;
    return xdgFolder("XDG_CONFIG_HOME", "/.config") + "/notafiscal/engine.ini";
}

EngineConfig EngineConfig::load() {
    const std::string path = defaultPath();
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        EngineConfig config;
        config.aliases[kDefaultAlias] = kDefaultAliasTarget;
        config.drives['C'] = xdgFolder("XDG_DATA_HOME", "/.local/share") + "/notafiscal/C";
        return config;
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) throw EngineInitError(code::kConfiguration, {"Cannot read " + path});
    const std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    if (file.bad()) throw EngineInitError(code::kConfiguration, {"Cannot read " + path});
    return parseNamed(text, path);
}

EngineConfig EngineConfig::parse(const std::string& iniText) {
    return parseNamed(iniText, "engine configuration");
}

std::string EngineConfig::resolveFolder(const std::string& databaseName) const {
    const std::string name = trim(databaseName);
    if (name.empty()) throw EngineError(code::kUnknownDatabase, {"No database name given"});
    if (isFolderName(name)) return folderOf(name, drives);
    const auto alias = aliases.find(lower(name));
    if (alias == aliases.end())
        throw EngineError(code::kUnknownDatabase, {"Unknown database alias: " + name});
    return folderOf(alias->second, drives);
}

}  // namespace engine

