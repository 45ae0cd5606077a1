#pragma once

#include <QString>
#include <stdexcept>

// Every failure the program reports is one of these: the message is what the user reads.
class Exception : public std::runtime_error
{
public:
    explicit Exception(const QString& message);
    QString message() const { return m_message; }

private:
    QString m_message;
};

// A failed file operation, carrying its Win32 error number (2 file not found, 112 disk full...).
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
