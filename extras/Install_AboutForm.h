#pragma once

#include "Memory.h"

#include <QDialog>
#include <functional>
#include <memory>

namespace Ui {
class TAboutForm;
}

// The about box: title, version, copyright and credits, and the machine's memory as it was
// when the box was made.
class TAboutForm : public QDialog
{
    Q_OBJECT

public:
    using MemorySource = std::function<MemoryStatus()>;

    explicit TAboutForm(QWidget* owner = nullptr, MemorySource readMemory = globalMemoryStatus);
    ~TAboutForm() override;

private:
    void FormCreate();
    void OKButtonClick();
    void keepFiguresApart();
    void keepFiguresInside();

    std::unique_ptr<Ui::TAboutForm> ui;
    MemorySource m_readMemory;
};
