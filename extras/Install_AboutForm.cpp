#include "Install_AboutForm.h"

#include "DialogLook.h"
#include "Guarded.h"
#include "MemoryFigures.h"
#include "ui_Install_AboutForm.h"

#include <algorithm>

TAboutForm::TAboutForm(QWidget* owner, MemorySource readMemory)
    : QDialog(owner), ui(std::make_unique<Ui::TAboutForm>()), m_readMemory(std::move(readMemory))
{
    ui->setupUi(this);
    setWindowFlags(DialogLook::dialogFlags);
    // The labels that do not wrap take the width of their text, whatever the font stand-ins.
    for (QLabel* label : {ui->Label2, ui->Label3, ui->Label4, ui->Label5, ui->Label7})
        label->adjustSize();
    connect(ui->OKButton, &QPushButton::clicked, this, guarded(this, &TAboutForm::OKButtonClick));
    runGuarded([this] { FormCreate(); });

    DialogLook::centreOnScreen(this);
}

TAboutForm::~TAboutForm() = default;

void TAboutForm::FormCreate()
{
    const MemoryStatus memory = m_readMemory();
    ui->PhysMem->setText(physicalMemoryText(memory.totalPhysical, QLocale()));
    ui->PhysMem->adjustSize();
    ui->FreeRes->setText(memoryLoadText(memory.memoryLoad));
    ui->FreeRes->adjustSize();
    keepFiguresApart();
    keepFiguresInside();
}

void TAboutForm::keepFiguresApart()
{
    // A translated caption may reach into where the figures start: they move along after it.
    constexpr int gap = 6;
    const int captionsEnd =
        std::max(ui->Label3->geometry().right(), ui->Label4->geometry().right());
    for (QLabel* figure : {ui->PhysMem, ui->FreeRes})
        if (figure->x() <= captionsEnd)
            figure->move(captionsEnd + 1 + gap, figure->y());
}

void TAboutForm::keepFiguresInside()
{
    // Today's memory sizes are longer than the box was drawn for: rather than cut the figure
    // off, the box widens to keep a small margin after it.
    constexpr int margin = 5;
    const int needed =
        std::max(ui->PhysMem->geometry().right(), ui->FreeRes->geometry().right()) + 1 + margin;
    if (needed > width())
        setFixedWidth(needed);
}

void TAboutForm::OKButtonClick()
{
    reject();
}
