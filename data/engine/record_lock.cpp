#include "record_lock.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

#include "engine_error.h"

namespace engine {

RecordLock::RecordLock(const std::string& lockFilePath, std::int64_t rowid) {
    fd_ = ::open(lockFilePath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd_ < 0)
        throw EngineError(code::kRecordLocked,
                          {"Cannot open the lock file " + lockFilePath + ": " + std::strerror(errno)});
    struct flock region {};
    region.l_type = F_WRLCK;
    region.l_whence = SEEK_SET;
    // Rowids are positive as the engine assigns them; a negative one takes a byte at the far end.
    region.l_start = static_cast<off_t>(rowid >= 0 ? rowid : INT64_MAX + rowid);
    region.l_len = 1;
    if (::fcntl(fd_, F_OFD_SETLK, &region) == 0) return;
    const int error = errno;
    ::close(fd_);
    fd_ = -1;
    if (error == EAGAIN || error == EACCES)
        throw EngineError(code::kRecordLocked, {"Record locked by another user."});
    throw EngineError(code::kRecordLocked,
                      {"Cannot lock the record in " + lockFilePath + ": " + std::strerror(error)});
}

RecordLock::~RecordLock() {
    if (fd_ >= 0) ::close(fd_);
}

}  // namespace engine
