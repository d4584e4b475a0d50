// The engine configuration: parsing, defaults without a file, and database name resolution.
#include <QTemporaryDir>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <vector>
#include <gtest/gtest.h>

#include "engine/config.h"
#include "engine/engine_error.h"

using engine::EngineConfig;
using engine::EngineError;
using engine::EngineInitError;

namespace {

// Sets environment variables for one test and restores them afterwards.
class ScopedEnv {
public:
    void set(const char* name, const std::string& value) {
        remember(name);
        ::setenv(name, value.c_str(), 1);
    }
    void unset(const char* name) {
        remember(name);
        ::unsetenv(name);
    }
    ~ScopedEnv() {
        for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
            if (it->second) ::setenv(it->first.c_str(), it->second->c_str(), 1);
            else ::unsetenv(it->first.c_str());
        }
    }

private:
    void remember(const char* name) {
        const char* value = std::getenv(name);
        saved_.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
    }
    std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

}  // namespace

TEST(EngineConfig, ParsesAliasesAndDrivesWithCommentsAndCase) {
    const EngineConfig config = EngineConfig::parse(
        "; engine configuration\r\n"
        "# second comment style\n"
        "\n"
        "[ALIASES]\n"
        "  Nota_Fiscal = C:\\nota_fiscal  \r\n"
        "archive=/srv/archive\n"
        "[drives]\n"
        "c=/data/c\n"
        "D = /data/d\n");
    EXPECT_EQ(config.aliases.at("nota_fiscal"), "C:\\nota_fiscal");
    EXPECT_EQ(config.aliases.at("archive"), "/srv/archive");
    EXPECT_EQ(config.drives.at('C'), "/data/c");
    EXPECT_EQ(config.drives.at('D'), "/data/d");
}

TEST(EngineConfig, MalformedFileIsAnInitialisationFailureNamingTheLine) {
    const char* malformed[] = {
        "[Aliases]\nnota_fiscal C:\\nota_fiscal\n",  // no '='
        "[Printers]\nx=y\n",                          // unknown section
        "nota_fiscal=C:\\nota_fiscal\n",              // outside a section
        "[Drives]\nCD=/data\n",                       // not a letter
        "[Drives]\n1=/data\n",
        "[Drives]\nC=relative/folder\n",
        "[Aliases\nx=y\n",                            // unterminated header
        "[Aliases]\n=C:\\x\n",                        // no name
        "[Aliases]\nx=\n",                            // no value
        "[Aliases]\nx=another_alias\n",               // an alias must name a folder
    };
    for (const char* text : malformed) {
        SCOPED_TRACE(text);
        try {
            EngineConfig::parse(text);
            ADD_FAILURE() << "accepted";
        } catch (const EngineInitError& error) {
            EXPECT_EQ(error.code(), engine::code::kConfiguration);
            EXPECT_STREQ(error.what(),
                         "An error occurred while attempting to initialize the database engine "
                         "(error $2109)");
            ASSERT_EQ(error.texts().size(), 1u);
            EXPECT_NE(error.texts()[0].find("line"), std::string::npos) << error.texts()[0];
        }
    }
}

TEST(EngineConfig, WithoutFileTheAliasReachesDriveCUnderTheDataHome) {
    QTemporaryDir dir;
    ScopedEnv env;
    env.set("NOTAFISCAL_ENGINE_CONFIG", dir.path().toStdString() + "/missing.ini");
    env.set("XDG_DATA_HOME", "/home/someone/data");
    const EngineConfig config = EngineConfig::load();
    EXPECT_EQ(config.resolveFolder("nota_fiscal"), "/home/someone/data/notafiscal/C/nota_fiscal");
    EXPECT_EQ(config.resolveFolder("C:\\nota_fiscal"),
              "/home/someone/data/notafiscal/C/nota_fiscal");

    env.unset("XDG_DATA_HOME");
    env.set("HOME", "/home/someone");
    EXPECT_EQ(EngineConfig::load().drives.at('C'), "/home/someone/.local/share/notafiscal/C");
}

TEST(EngineConfig, PathComesFromTheVariableElseTheConfigHome) {
    ScopedEnv env;
    env.set("NOTAFISCAL_ENGINE_CONFIG", "/etc/nf/engine.ini");
    EXPECT_EQ(EngineConfig::defaultPath(), "/etc/nf/engine.ini");
    env.unset("NOTAFISCAL_ENGINE_CONFIG");
    env.set("XDG_CONFIG_HOME", "/cfg");
    EXPECT_EQ(EngineConfig::defaultPath(), "/cfg/notafiscal/engine.ini");
    env.unset("XDG_CONFIG_HOME");
    env.set("HOME", "/home/someone");
    EXPECT_EQ(EngineConfig::defaultPath(), "/home/someone/.config/notafiscal/engine.ini");
}

TEST(EngineConfig, LoadReadsTheFileAndReportsAMalformedOne) {
    QTemporaryDir dir;
    const std::string path = dir.path().toStdString() + "/engine.ini";
    ScopedEnv env;
    env.set("NOTAFISCAL_ENGINE_CONFIG", path);

    std::ofstream(path) << "[Drives]\nC=/mnt/c\n[Aliases]\nnota_fiscal=C:\\nota_fiscal\n";
    EXPECT_EQ(EngineConfig::load().resolveFolder("nota_fiscal"), "/mnt/c/nota_fiscal");

    std::ofstream(path) << "[Drives]\nC=/mnt/c\ngarbage\n";
    try {
        EngineConfig::load();
        ADD_FAILURE() << "accepted";
    } catch (const EngineInitError& error) {
        ASSERT_EQ(error.texts().size(), 1u);
        EXPECT_EQ(error.texts()[0].find(path + ", line 3"), 0u) << error.texts()[0];
    }
}

TEST(EngineConfig, ResolvesNamesToFolders) {
    EngineConfig config;
    config.drives['C'] = "/data/c/";
    config.drives['D'] = "/data/d";
    config.aliases["nota_fiscal"] = "C:\\nota_fiscal";
    config.aliases["elsewhere"] = "/srv/elsewhere";
    config.aliases["on_d"] = "d:/stock\\2024\\";
    const std::pair<const char*, const char*> cases[] = {
        {"C:\\nota_fiscal", "/data/c/nota_fiscal"},
        {"c:\\nota_fiscal\\", "/data/c/nota_fiscal"},
        {"C:\\a\\b", "/data/c/a/b"},
        {"C:", "/data/c"},
        {"C:nota_fiscal", "/data/c/nota_fiscal"},
        {"nota_fiscal", "/data/c/nota_fiscal"},
        {"NOTA_FISCAL", "/data/c/nota_fiscal"},
        {"elsewhere", "/srv/elsewhere"},
        {"on_d", "/data/d/stock/2024"},
        {"/tmp/some folder", "/tmp/some folder"},
    };
    for (const auto& [name, folder] : cases) EXPECT_EQ(config.resolveFolder(name), folder) << name;
}

TEST(EngineConfig, UnknownAliasOrDriveIsAnErrorNamingIt) {
    EngineConfig config;
    config.drives['C'] = "/data/c";
    const std::pair<const char*, const char*> cases[] = {
        {"notas", "notas"},
        {"E:\\nota_fiscal", "E:"},
        {"nota\\fiscal", "nota\\fiscal"},
        {"", "No database name"},
    };
    for (const auto& [name, named] : cases) {
        try {
            config.resolveFolder(name);
            ADD_FAILURE() << name << " resolved";
        } catch (const EngineError& error) {
            EXPECT_EQ(error.code(), engine::code::kUnknownDatabase);
            EXPECT_NE(std::string(error.what()).find(named), std::string::npos) << error.what();
        }
    }
}
