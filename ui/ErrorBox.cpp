#include "ErrorBox.h"

#include "Identity.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QPointer>
#include <QSpacerItem>
#include <QStyle>

namespace {

// The application's display name when the program set one; Qt otherwise falls back to the
// executable's name, which is no title for a message box.
QString caption()
{
    const QString displayName = QGuiApplication::applicationDisplayName();
    if (displayName.isEmpty() || displayName == QCoreApplication::applicationName())
        return Identity::programTitle;
    return displayName;
}

// The width a window manager's title bar needs for the caption. Its title font cannot be asked
// for; window managers draw titles bold in the system font's size or near it, beside a window
// icon and three buttons (minimise, maximise, close), each about as wide as the bar is high.
int titleBarWidth(const QMessageBox& box)
{
    QFont titleFont = QApplication::font("QMdiSubWindowTitleBar");
    titleFont.setBold(true);
    const int buttonWidth = box.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &box);
    return QFontMetrics(titleFont).horizontalAdvance(box.windowTitle()) + 4 * buttonWidth;
}

// A box as narrow as a short message would have its caption cut short by the window manager:
// it widens to fit, as a Windows message box does.
void fitCaption(QMessageBox& box)
{
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (grid == nullptr)
        return;
    grid->addItem(new QSpacerItem(titleBarWidth(box), 0, QSizePolicy::Fixed, QSizePolicy::Minimum),
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
