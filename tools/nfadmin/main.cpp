// nfadmin: creates, fills, checks and locates the system's databases, and prints reports.
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "admin.h"
#include "engine/engine_error.h"
#include "report_command.h"

namespace {

constexpr const char* kDefaultDatabase = "nota_fiscal";

constexpr const char* kUsage =
    "Usage: nfadmin init [--demo] [DATABASE]   create the five tables (--demo: with demo data)\n"
    "       nfadmin check [DATABASE]           check the file and every table's columns\n"
    "       nfadmin where [DATABASE]           print the database folder, then its file\n"
    "       nfadmin report ...                 produce an invoice report (see nfadmin report)\n"
    "DATABASE is an alias or a folder name such as C:\\nota_fiscal; default nota_fiscal.\n";

int usage() {
    std::cerr << kUsage;
    return 2;
}

// The optional DATABASE of a command: none gives the default, more than one is a usage error.
bool databaseArgument(const std::vector<std::string>& words, std::string& database) {
    if (words.size() > 1) return false;
    for (const std::string& word : words)
        if (word.starts_with("--")) return false;
    database = words.empty() ? kDefaultDatabase : words.front();
    return true;
}

int init(std::vector<std::string> words) {
    const bool demo = std::erase(words, std::string("--demo")) > 0;
    std::string database;
    if (!databaseArgument(words, database)) return usage();
    const nfadmin::Location location = nfadmin::where(database);
    nfadmin::initDatabase(location.folder, demo);
    std::cout << "Created " << location.file << (demo ? " with demo data" : "") << '\n';
    return 0;
}

int check(const std::vector<std::string>& words) {
    std::string database;
    if (!databaseArgument(words, database)) return usage();
    const std::vector<std::string> problems = nfadmin::checkDatabase(database);
    for (const std::string& problem : problems) std::cout << problem << '\n';
    if (!problems.empty()) return 1;
    std::cout << nfadmin::where(database).file << ": ok\n";
    return 0;
}

int where(const std::vector<std::string>& words) {
    std::string database;
    if (!databaseArgument(words, database)) return usage();
    const nfadmin::Location location = nfadmin::where(database);
    std::cout << location.folder << '\n' << location.file << '\n';
    return 0;
}

int run(const std::vector<std::string>& args) {
    if (args.empty()) return usage();
    const std::string& command = args.front();
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (command == "init") return init(rest);
    if (command == "check") return check(rest);
    if (command == "where") return where(rest);
    if (command == "report") return reportCommand(rest);
    if (command == "--help" || command == "-h" || command == "help") {
        std::cout << kUsage;
        return 0;
    }
    return usage();
}

}  // namespace

int main(int argc, char** argv) {
    try {
        return run(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const engine::EngineError& error) {
        // The initialisation message keeps its detail apart: the tool shows it too.
        const std::string message = error.what();
        std::cerr << "nfadmin: " << message << '\n';
        for (const std::string& text : error.texts())
            if (message.find(text) == std::string::npos) std::cerr << "  " << text << '\n';
    } catch (const std::exception& error) {
        std::cerr << "nfadmin: " << error.what() << '\n';
    } catch (...) {
        std::cerr << "nfadmin: unexpected failure\n";
    }
    return 1;
}
