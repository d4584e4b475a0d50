// How engine failures read: texts one per line and each once, the code when there is no text,
// and the fixed initialisation message.
#include <gtest/gtest.h>

#include "engine/engine_error.h"

using engine::EngineError;
using engine::EngineInitError;

TEST(EngineError, MessageListsEachTextOnceInItsOrder) {
    struct Case {
        int code;
        std::vector<std::string> texts;
        const char* message;
    };
    const Case cases[] = {
        {0x2507, {"Record locked by another user."}, "Record locked by another user."},
        {0x3001, {"first", "second", "first", "third", "second"}, "first\nsecond\nthird"},
        {0x2108, {}, "Database engine error $2108"},
        {0x2a, {}, "Database engine error $002A"},
        {0x3abc, {}, "Database engine error $3ABC"},
    };
    for (const Case& c : cases) {
        const EngineError error(c.code, c.texts);
        EXPECT_STREQ(error.what(), c.message);
        EXPECT_EQ(error.code(), c.code);
        EXPECT_EQ(error.texts(), c.texts);
    }
}

TEST(EngineError, InitialisationMessageKeepsTheDetailOutOfTheText) {
    const EngineInitError error(0x2108, {"library not found"});
    EXPECT_STREQ(error.what(),
                 "An error occurred while attempting to initialize the database engine "
                 "(error $2108)");
    EXPECT_EQ(error.texts(), std::vector<std::string>{"library not found"});
    const EngineError& asEngineError = error;
    EXPECT_EQ(asEngineError.code(), 0x2108);
}
