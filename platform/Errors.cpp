#include "Errors.h"

#include <cerrno>

Exception::Exception(const QString& message)
    : std::runtime_error(message.toStdString()), m_message(message)
{
}

EInOutError::EInOutError(int errorCode) : Exception(messageFor(errorCode)), m_errorCode(errorCode)
{
}

QString EInOutError::messageFor(int errorCode)
{
    switch (errorCode) {
    case 2:
        return QStringLiteral("File not found");
    case 3:
        return QStringLiteral("Invalid filename");
    case 4:
        return QStringLiteral("Too many open files");
    case 5:
        return QStringLiteral("File access denied");
    case 100:
        return QStringLiteral("Read beyond end of file");
    case 101:
        return QStringLiteral("Disk full");
    case 106:
        return QStringLiteral("Invalid numeric input");
    default:
        return QStringLiteral("I/O error %1").arg(errorCode);
    }
}

int win32ErrorFromErrno(int errnoValue)
{
    switch (errnoValue) {
    case 0:
        return 0;
    case ENOENT:
        return 2; // a missing folder on the way is told apart by the path mapping (3)
    case ENOTDIR:
    case ELOOP:
        return 3;
    case EMFILE:
    case ENFILE:
        return 4;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
        return 5;
    case EBADF:
        return 6;
    case ENOMEM:
        return 8;
    case EXDEV:
        return 17;
    case ENODEV:
    case ENXIO:
    case ENOMEDIUM:
        return 21; // not ready: a drive without a medium
    case EBUSY:
    case ETXTBSY:
        return 32;
    case EAGAIN:
        return 33;
    case EEXIST:
        return 80;
    case EINVAL:
        return 87;
    case EPIPE:
        return 109;
    case ENOSPC:
    case EDQUOT:
        return 112;
    case ENOTEMPTY:
        return 145;
    case ENAMETOOLONG:
        return 206;
    case EFBIG:
        return 223;
    case EIO:
        return 1117;
    default:
        return 31; // a general failure of the device
    }
}
