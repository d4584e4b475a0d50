// The session: a failed start leaves it inactive and the next call tries again; one
// connection per distinct database name.
#include <gtest/gtest.h>

#include "engine/engine_error.h"
#include "engine/session.h"
#include "engine_fixture.h"

using engine::EngineConfig;

TEST(Session, FailedStartStaysInactiveAndTheNextOpenTriesAgain) {
    engine_testing::EngineFolder folder;
    int attempts = 0;
    engine::Session session([&] {
        if (++attempts == 1) return EngineConfig::parse("[Unknown]\n");
        EngineConfig config;
        config.aliases["nota_fiscal"] = folder.folder();
        return config;
    });
    EXPECT_FALSE(session.active());
    EXPECT_THROW(session.database("nota_fiscal"), engine::EngineInitError);
    EXPECT_FALSE(session.active());
    EXPECT_NO_THROW(session.database("nota_fiscal"));
    EXPECT_TRUE(session.active());
    EXPECT_EQ(attempts, 2);
}

TEST(Session, OneConnectionPerNameAsGiven) {
    engine_testing::EngineFolder folder;
    EngineConfig config;
    config.drives['C'] = folder.folder() + "/..";
    config.aliases["nota_fiscal"] = folder.folder();
    engine::Session session([config] { return config; });

    engine::Database& byAlias = session.database("nota_fiscal");
    EXPECT_EQ(&session.database("nota_fiscal"), &byAlias);
    EXPECT_NE(&session.database("NOTA_FISCAL"), &byAlias);
    EXPECT_NE(&session.database(folder.folder()), &byAlias);
    EXPECT_EQ(session.database(folder.folder()).filePath(), byAlias.filePath());
}

TEST(Session, UnknownNameFailsWithoutKeepingAConnection) {
    engine::Session session([] { return EngineConfig(); });
    EXPECT_THROW(session.database("nota_fiscal"), engine::EngineError);
    EXPECT_TRUE(session.active());
    EXPECT_THROW(session.database("nota_fiscal"), engine::EngineError);
}
