#include "ErrorBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>

namespace {

const char* const applicationTitle = "Korvane Installer";

// The application's display name when the program set one; Qt otherwise falls back to the
// executable's name, which is no title for a message box.
QString caption()
{
    const QString displayName = QGuiApplication::applicationDisplayName();
    if (displayName.isEmpty() || displayName == QCoreApplication::applicationName())
        return QString::fromLatin1(applicationTitle);
    return displayName;
}

} // namespace

void ErrorBox::showError(const QString& message)
{
    const QPointer<QWidget> previouslyActive = QApplication::activeWindow();
    QMessageBox box(QMessageBox::Critical, caption(), errorBoxText(message), QMessageBox::Ok,
                    previouslyActive);
    box.setObjectName(QStringLiteral("ErrorBox"));
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
    if (previouslyActive != nullptr && previouslyActive->isVisible())
        previouslyActive->activateWindow();
}
