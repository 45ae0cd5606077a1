#include "Errors.h"

#include <QCoreApplication>

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
    case Win32Error::FileNotFound:
        return QCoreApplication::translate("Errors", "File not found");
    case Win32Error::PathNotFound:
        return QCoreApplication::translate("Errors", "Invalid filename");
    case Win32Error::TooManyOpenFiles:
        return QCoreApplication::translate("Errors", "Too many open files");
    case Win32Error::AccessDenied:
        return QCoreApplication::translate("Errors", "File access denied");
    case RunTimeError::ReadBeyondEndOfFile:
        return QCoreApplication::translate("Errors", "Read beyond end of file");
    case RunTimeError::DiskFull:
        return QCoreApplication::translate("Errors", "Disk full");
    case RunTimeError::InvalidNumericInput:
        return QCoreApplication::translate("Errors", "Invalid numeric input");
    default:
        return QCoreApplication::translate("Errors", "I/O error %1").arg(errorCode);
    }
}

int win32ErrorFromErrno(int errnoValue)
{
    switch (errnoValue) {
    case 0:
        return 0;
    case ENOENT:
        // A missing folder on the way is told apart by the path mapping (PathNotFound).
        return Win32Error::FileNotFound;
    case ENOTDIR:
    case ELOOP:
        return Win32Error::PathNotFound;
    case EMFILE:
    case ENFILE:
        return Win32Error::TooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
        return Win32Error::AccessDenied;
    case EBADF:
        return Win32Error::InvalidHandle;
    case ENOMEM:
        return Win32Error::NotEnoughMemory;
    case EXDEV:
        return Win32Error::NotSameDevice;
    case ENODEV:
    case ENXIO:
    case ENOMEDIUM:
        return Win32Error::NotReady;
    case EBUSY:
    case ETXTBSY:
        return Win32Error::SharingViolation;
    case EAGAIN:
        return Win32Error::LockViolation;
    case EEXIST:
        return Win32Error::FileExists;
    case EINVAL:
        return Win32Error::InvalidParameter;
    case EPIPE:
        return Win32Error::BrokenPipe;
    case ENOSPC:
    case EDQUOT:
        return Win32Error::DiskFull;
    case ENOTEMPTY:
        return Win32Error::DirectoryNotEmpty;
    case ENAMETOOLONG:
        return Win32Error::NameTooLong;
    case EFBIG:
        return Win32Error::FileTooLarge;
    case EIO:
        return Win32Error::DeviceError;
    default:
        return Win32Error::GeneralFailure;
    }
}
