#include "Guarded.h"

#include "Cp1252.h"
#include "Errors.h"

#include <QtDebug>

namespace {

class LogReporter : public ErrorReporter
{
public:
    void showError(const QString& message) override { qWarning().noquote() << message; }
};

LogReporter logReporter;
ErrorReporter* currentReporter = nullptr;

void report(const QString& message)
{
    // The reporter is the last stop before the event loop: nothing it throws may pass it.
    try {
        errorReporter().showError(message);
    } catch (...) {
        qWarning().noquote() << "Error while reporting an error:" << message;
    }
}

} // namespace

QString errorBoxText(const QString& message)
{
    if (message.isEmpty())
        return message;
    const int lastCode = Cp1252::code(message.back());
    // A character Windows-1252 cannot spell stands for a code above every other.
    if (lastCode < 0 || lastCode > '.')
        return message + QLatin1Char('.');
    return message;
}

ErrorReporter& errorReporter()
{
    return currentReporter != nullptr ? *currentReporter : logReporter;
}

void setErrorReporter(ErrorReporter* reporter)
{
    currentReporter = reporter;
}

void runGuarded(const std::function<void()>& handler)
{
    try {
        handler();
    } catch (const Exception& error) {
        report(error.message());
    } catch (const std::exception& error) {
        report(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        report(QStringLiteral("Unknown error"));
    }
}

bool runQuietly(const std::function<void()>& steps)
{
    try {
        steps();
        return true;
    } catch (...) {
        return false;
    }
}
