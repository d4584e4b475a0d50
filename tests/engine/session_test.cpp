// The session: a failed start leaves it inactive and the next call tries again; one
// connection per distinct database name.
#include <gtest/gtest.h>

#include "engine/engine_error.h"
#include "engine/result_set.h"
#include "engine/session.h"
#include "engine/table_cursor.h"
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

TEST(Session, ResultBeingReadUnderTheAliasDoesNotBlockAWriteUnderTheFolderName) {
    engine_testing::EngineFolder folder;
    folder.exec("CREATE TABLE produto (Id_Produto INTEGER PRIMARY KEY AUTOINCREMENT, "
                "Produto CHAR(30)); INSERT INTO produto (Produto) VALUES ('a'), ('b'), ('c');");
    EngineConfig config;
    config.aliases["nota_fiscal"] = folder.folder();
    engine::Session session([config] { return config; });

    const auto list = session.database("nota_fiscal").select("select * from produto");
    ASSERT_TRUE(list->hasRow(0));  // read on no further than the first row
    const auto table = session.database(folder.folder() + "/").openTable("produto.db");
    table->insert({{}, std::string("d")});
    EXPECT_EQ(folder.scalar("select count(*) from produto"), "4");
}
