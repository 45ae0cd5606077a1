#pragma once

#include <QDialog>
#include <QElapsedTimer>

class QLabel;

// The small window that tells the user what the start-up searches are waiting for, when a place
// takes more than a moment to answer (a disk spinning up, a network mount), so that the program
// is never a silent process with no window. Cancel, Esc or its close box gives up the start.
class SearchNotice : public QDialog
{
    Q_OBJECT

public:
    SearchNotice();

    // The sentence that says what is being looked for, from now on.
    void lookFor(const QString& sentence);
    // The lookout's hook: shows the notice once a wait has lasted a moment, names the place it
    // waits for and handles the window's events; false once the user has given up.
    bool whileWaiting(const QString& place);
    bool cancelled() const { return m_cancelled; }

private:
    QLabel* m_text;
    QString m_what;
    QElapsedTimer m_waiting;
    bool m_cancelled = false;
};
