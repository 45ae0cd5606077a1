#pragma once

#include <QString>

// `korvane-installer --undo`: takes back the last recorded run from a terminal, asking on its
// standard input. Returns the program's exit status: 0 when undone or declined, 1 when there is
// nothing to undo or the undo failed.
namespace TerminalUndo {
int run(const QString& stateFolder);
}
