#include "SearchNotice.h"

#include "DialogLook.h"
#include "HostName.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// A wait shorter than this shows nothing: most starts find everything at once.
constexpr qint64 quietMilliseconds = 400;

} // namespace

SearchNotice::SearchNotice() : QDialog(nullptr, DialogLook::dialogFlags), m_text(new QLabel(this))
{
    setWindowTitle(QCoreApplication::applicationName());
    m_text->setWordWrap(true);
    m_text->setMinimumWidth(360);
    auto* busy = new QProgressBar(this);
    busy->setRange(0, 0);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(this, &QDialog::rejected, this, [this] { m_cancelled = true; });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    layout->addWidget(busy);
    layout->addWidget(buttons);
}

void SearchNotice::lookFor(const QString& sentence)
{
    m_what = sentence;
    m_waiting.invalidate();
}

bool SearchNotice::whileWaiting(const QString& place)
{
    if (!m_waiting.isValid())
        m_waiting.start();
    if (m_waiting.elapsed() >= quietMilliseconds) {
        // Any control character in a place's name is shown escaped: a newline would make two.
        m_text->setText(m_what + QLatin1Char('\n') +
                        tr("Waiting for %1").arg(HostName::printable(place)));
        if (!isVisible()) {
            adjustSize();
            DialogLook::centreOnScreen(this);
            show();
        }
    }
    QCoreApplication::processEvents();
    return !m_cancelled;
}
