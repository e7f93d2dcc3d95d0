#include "platform/Errors.h"

#include "platform/FileSystem.h"

#include <cerrno>

namespace platform {

namespace {
thread_local uint32_t lastError = ERROR_SUCCESS;
}

uint32_t GetLastError() {
    return lastError;
}

namespace detail {

bool Fail(uint32_t code) {
    lastError = code;
    return false;
}

uint32_t ErrorFromErrno(int error, uint32_t missing) {
    switch (error) {
    case ENOENT:
        return missing;
    case ENOTDIR:
    case ELOOP:
        return ERROR_PATH_NOT_FOUND;
    case EEXIST:
        return ERROR_ALREADY_EXISTS;
    case ENOTEMPTY:
        return ERROR_DIR_NOT_EMPTY;
    case ENAMETOOLONG:
        return ERROR_FILENAME_EXCED_RANGE;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return ERROR_DISK_FULL;
    case EXDEV:
        return ERROR_NOT_SAME_DEVICE;
    case EBUSY:
    case ETXTBSY:
        return ERROR_SHARING_VIOLATION;
    case EINVAL:
        return ERROR_INVALID_PARAMETER;
    case EIO:
        return ERROR_NOT_READY;
    default:
        // EACCES, EPERM, EROFS and whatever else the host refuses with.
        return ERROR_ACCESS_DENIED;
    }
}

bool FailWithErrno(int error, uint32_t missing) {
    return Fail(ErrorFromErrno(error, missing));
}

} // namespace detail
} // namespace platform
