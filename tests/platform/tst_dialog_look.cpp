#include "DialogLook.h"

#include <QDialog>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QWindow>
#include <memory>

// Where the program's windows open and whom the desktop sees them belong to.
class TestDialogLook : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void windowOpensWithinTheScreen_data();
    void windowOpensWithinTheScreen();
    void dialogIsKeptOverItsOwner_data();
    void dialogIsKeptOverItsOwner();
};

void TestDialogLook::windowOpensWithinTheScreen_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("fixed");
    QTest::addColumn<QSize>("expected"); // an empty dimension: the screen's available one

    QTest::newRow("fits: unchanged") << QSize(632, 453) << true << QSize(632, 453);
    QTest::newRow("fixed, taller") << QSize(632, 5000) << true << QSize(632, 0);
    QTest::newRow("fixed, wider") << QSize(5000, 453) << true << QSize(0, 453);
    QTest::newRow("fixed, larger both ways") << QSize(5000, 5000) << true << QSize(0, 0);
    QTest::newRow("resizable, larger than its minimum allows")
        << QSize(5000, 5000) << false << QSize(0, 0);
}

void TestDialogLook::windowOpensWithinTheScreen()
{
    QFETCH(QSize, size);
    QFETCH(bool, fixed);
    QFETCH(QSize, expected);
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    if (expected.width() == 0)
        expected.setWidth(area.width());
    if (expected.height() == 0)
        expected.setHeight(area.height());

    QWidget window;
    if (fixed)
        window.setFixedSize(size);
    else {
        window.setMinimumSize(size);
        window.resize(size);
    }
    DialogLook::centreOnScreen(&window);

    QCOMPARE(window.size(), expected);
    QCOMPARE(window.minimumSize() == window.maximumSize(), fixed);
    QVERIFY(window.minimumSize().width() <= expected.width());
    QVERIFY(window.minimumSize().height() <= expected.height());
    QVERIFY2(area.contains(window.geometry()), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                              .arg(window.x())
                                                              .arg(window.y())
                                                              .arg(window.width())
                                                              .arg(window.height())));
    // Centred wherever the window is smaller than the area.
    if (expected.width() < area.width())
        QCOMPARE(window.geometry().center().x(), area.center().x());
    if (expected.height() < area.height())
        QCOMPARE(window.geometry().center().y(), area.center().y());
}

void TestDialogLook::dialogIsKeptOverItsOwner_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<int>("expectedOwner"); // 0 or 1, -1 for none

    QTest::newRow("first showing") << "keep 0, show" << 0;
    QTest::newRow("shown again") << "keep 0, show, hide, show" << 0;
    QTest::newRow("named through a control of the owner") << "keep control 0, show" << 0;
    QTest::newRow("another owner for the next showing") << "keep 0, show, hide, keep 1, show" << 1;
    QTest::newRow("the owner gone before the showing") << "keep 0, close 0, show" << -1;
}

void TestDialogLook::dialogIsKeptOverItsOwner()
{
    QFETCH(QString, steps);
    QFETCH(int, expectedOwner);

    std::unique_ptr<QWidget> owners[2] = {std::make_unique<QWidget>(), std::make_unique<QWidget>()};
    QWindow* ownerWindows[2] = {};
    for (int i = 0; i < 2; ++i) {
        new QPushButton(QStringLiteral("control"), owners[i].get());
        owners[i]->show();
        QVERIFY(QTest::qWaitForWindowExposed(owners[i].get()));
        ownerWindows[i] = owners[i]->windowHandle();
    }
    // Made before its owners show, as the program's duplicate prompt is.
    QDialog dialog;
    for (const QString& step : steps.split(QStringLiteral(", "))) {
        const int which = step.back().digitValue();
        if (step.startsWith(QLatin1String("keep control")))
            DialogLook::keepOver(&dialog, owners[which]->findChild<QPushButton*>());
        else if (step.startsWith(QLatin1String("keep")))
            DialogLook::keepOver(&dialog, owners[which].get());
        else if (step.startsWith(QLatin1String("close")))
            owners[which].reset();
        else if (step == QLatin1String("show"))
            dialog.show();
        else
            dialog.hide();
    }

    QVERIFY(dialog.windowHandle() != nullptr);
    QCOMPARE(dialog.windowHandle()->transientParent(),
             expectedOwner < 0 ? nullptr : ownerWindows[expectedOwner]);
}

QTEST_MAIN(TestDialogLook)
#include "tst_dialog_look.moc"
