#pragma once
// A write lock on one record that holds across processes: an open-file-description lock on
// one byte (offset = rowid) of the table's lock file beside the database. The kernel frees it
// when the holder closes it or dies, so a dead process's lock is reclaimed by itself.

#include <cstdint>
#include <string>

namespace engine {

class RecordLock {
public:
    // Throws EngineError(code::kRecordLocked) when another holder has the record.
    RecordLock(const std::string& lockFilePath, std::int64_t rowid);
    ~RecordLock();
    RecordLock(const RecordLock&) = delete;
    RecordLock& operator=(const RecordLock&) = delete;

private:
    int fd_ = -1;
};

}  // namespace engine
