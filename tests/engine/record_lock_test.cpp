// Record locks across processes: a record held by another process is refused with the
// engine's message, and reclaimed once that process has died.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include "engine/engine_error.h"
#include "engine/record_lock.h"
#include "engine/table_cursor.h"
#include "engine_fixture.h"

namespace {

// A child process that takes the lock on one record and keeps it until it is killed.
class LockHolder {
public:
    LockHolder(const std::string& lockFile, std::int64_t rowid) {
        int ready[2];
        if (::pipe(ready) != 0) throw std::runtime_error("pipe");
        pid_ = ::fork();
        if (pid_ == 0) {
            ::close(ready[0]);
            char status = 'n';
            try {
                engine::RecordLock lock(lockFile, rowid);
                status = 'y';
                (void)!::write(ready[1], &status, 1);
                for (;;) ::pause();
            } catch (...) {
                (void)!::write(ready[1], &status, 1);
            }
            ::_exit(1);
        }
        ::close(ready[1]);
        char status = 'n';
        holding_ = ::read(ready[0], &status, 1) == 1 && status == 'y';
        ::close(ready[0]);
    }
    ~LockHolder() { kill(); }
    bool holding() const { return holding_; }
    void kill() {
        if (pid_ <= 0) return;
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }

private:
    pid_t pid_ = -1;
    bool holding_ = false;
};

}  // namespace

TEST(RecordLock, HeldByAnotherProcessIsRefusedThenReclaimedWhenItDies) {
    engine_testing::EngineFolder base;
    base.exec("CREATE TABLE Pessoa (Id_Pessoa INTEGER PRIMARY KEY AUTOINCREMENT, Nome CHAR(50));"
              "INSERT INTO Pessoa (Nome) VALUES ('Maria'), ('João');");
    const auto db = base.open();
    const auto cursor = db->openTable("pessoa.DB");

    LockHolder holder(base.folder() + "/pessoa.lck", 2);
    ASSERT_TRUE(holder.holding());
    try {
        cursor->lock(2);
        ADD_FAILURE() << "lock granted twice";
    } catch (const engine::EngineError& error) {
        EXPECT_EQ(error.code(), engine::code::kRecordLocked);
        EXPECT_STREQ(error.what(), "Record locked by another user.");
    }
    EXPECT_NE(cursor->lock(1), nullptr) << "another record stays free";

    holder.kill();
    EXPECT_NE(cursor->lock(2), nullptr);
}

TEST(RecordLock, FreedWhenReleasedAndExclusiveWithinTheProcess) {
    engine_testing::EngineFolder base;
    base.exec("CREATE TABLE produto (Id_Produto INTEGER PRIMARY KEY AUTOINCREMENT)");
    const auto db = base.open();
    const auto cursor = db->openTable("produto.db");
    const auto other = db->openTable("PRODUTO.db");
    {
        const auto lock = cursor->lock(5);
        EXPECT_THROW(other->lock(5), engine::EngineError);
    }
    EXPECT_NE(other->lock(5), nullptr);
}
