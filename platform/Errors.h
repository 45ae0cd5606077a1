#pragma once

#include <QString>
#include <stdexcept>

// The Win32 error numbers the file services report, as Windows numbers them.
namespace Win32Error {
inline constexpr int FileNotFound = 2;
inline constexpr int PathNotFound = 3;
inline constexpr int TooManyOpenFiles = 4;
inline constexpr int AccessDenied = 5;
inline constexpr int InvalidHandle = 6;
inline constexpr int NotEnoughMemory = 8;
inline constexpr int NotSameDevice = 17;
inline constexpr int NotReady = 21; // a drive without a medium
inline constexpr int GeneralFailure = 31;
inline constexpr int SharingViolation = 32;
inline constexpr int LockViolation = 33;
inline constexpr int FileExists = 80;
inline constexpr int InvalidParameter = 87;
inline constexpr int BrokenPipe = 109;
inline constexpr int DiskFull = 112;
inline constexpr int InvalidName = 123;
inline constexpr int DirectoryNotEmpty = 145;
inline constexpr int NameTooLong = 206;
inline constexpr int FileTooLarge = 223;
inline constexpr int DeviceError = 1117;
} // namespace Win32Error

// The run time's own numbers, beside the system's: reads and writes that moved fewer bytes than
// asked, text that is no number.
namespace RunTimeError {
inline constexpr int ReadBeyondEndOfFile = 100;
inline constexpr int DiskFull = 101;
inline constexpr int InvalidNumericInput = 106;
} // namespace RunTimeError

// Every failure the program reports is one of these: the message is what the user reads.
class Exception : public std::runtime_error
{
public:
    explicit Exception(const QString& message);
    QString message() const { return m_message; }

private:
    QString m_message;
};

// A failed file operation, carrying its error number (Win32Error, or RunTimeError).
class EInOutError : public Exception
{
public:
    explicit EInOutError(int errorCode);
    int errorCode() const { return m_errorCode; }

    // "File not found" for 2, "I/O error 112" for numbers without a text of their own.
    static QString messageFor(int errorCode);

private:
    int m_errorCode;
};

// The Win32 error number for an errno value (ENOENT 2, EACCES 5, ENOSPC 112...); one table serves
// every file service.
int win32ErrorFromErrno(int errnoValue);
