#include "platform/errors.h"

#include <cerrno>

namespace lumora {

IoError IoError::fromErrno(int err)
{
    switch (err) {
    case ENOENT: return IoError(2);
    case ENOTDIR: return IoError(3);
    case EACCES:
    case EPERM:
    case EROFS: return IoError(5);
    case EISDIR: return IoError(5);
    case ENOSPC: return IoError(101);
    default: return IoError(err > 0 ? err : 5);
    }
}

} // namespace lumora
