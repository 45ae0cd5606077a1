#include "ErrorBox.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QPointer>
#include <QSpacerItem>

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

// Room a title bar takes beside its caption: the close button and the frame's margins.
constexpr int titleBarExtras = 80;

// A box as narrow as a short message would have its caption cut short by the window manager.
void fitCaption(QMessageBox& box)
{
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (grid == nullptr)
        return;
    const int width =
        QFontMetrics(QApplication::font()).horizontalAdvance(box.windowTitle()) + titleBarExtras;
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Fixed, QSizePolicy::Minimum),
                  grid->rowCount(), 0, 1, grid->columnCount());
}

} // namespace

void ErrorBox::showError(const QString& message)
{
    const QPointer<QWidget> previouslyActive = QApplication::activeWindow();
    QMessageBox box(QMessageBox::Critical, caption(), errorBoxText(message), QMessageBox::Ok,
                    previouslyActive);
    box.setObjectName(QStringLiteral("ErrorBox"));
    box.setWindowModality(Qt::ApplicationModal);
    fitCaption(box);
    box.exec();
    if (previouslyActive != nullptr && previouslyActive->isVisible())
        previouslyActive->activateWindow();
}
