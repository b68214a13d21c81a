// The information window driven by the logic on the real windows: the scoreboard's icon opens
// it, and a close in the middle of a ranking leaves nothing behind.

#include <QApplication>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "platform/qt/qt_platform.h"
#include "season/game_window_events.h"
#include "support/scripted_user.h"
#include "support/test_league.h"
#include "windows/form1.h"
#include "windows/zwinform.h"

using namespace zelvano;

namespace {

ZWInform* openInformationWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* window = dynamic_cast<ZWInform*>(widget);
        if (window != nullptr && !window->released()) return window;
    }
    return nullptr;
}

}  // namespace

class InformationOnQtTest : public QObject {
    Q_OBJECT

private slots:
    void iconOpensTheWindowAndARankingSurvivesItsClose() {
        QtPlatform::Parts parts;
        parts.settings = std::make_unique<MemorySettingsStore>();
        parts.files = std::make_unique<testing::MemoryFileStore>();
        QtPlatform platform(std::move(parts));
        League league = testing::testLeague(1, 3);
        InformationWindow information(league, platform);
        GameWindowEvents events(league, platform, information);
        Form1 scoreboard(events);
        scoreboard.show();
        QVERIFY(QTest::qWaitForWindowExposed(&scoreboard));

        QTest::mouseClick(scoreboard.PicIcons(), Qt::LeftButton);
        QPointer<ZWInform> window = openInformationWindow();
        QVERIFY(window);
        QVERIFY(window->isVisible());
        QCOMPARE(window->currentTab(), 0);
        QCOMPARE(window->ZWWhoList1()->count(), 30);
        QCOMPARE(window->ZWwhoCommand1(0)->text().toStdString(), league.TeamName[1]);

        // The close box, pressed while the ranking yields to the event loop.
        window->setCurrentTab(1);
        QTimer::singleShot(0, window.data(), [window] { window->close(); });
        QTest::mouseClick(window->rsCommand1(0), Qt::LeftButton);
        QVERIFY(!information.isOpen());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(window.isNull());

        // Opened again, it starts afresh on the roster.
        QTest::mouseClick(scoreboard.PicIcons(), Qt::LeftButton);
        QVERIFY(openInformationWindow() != nullptr);
        QCOMPARE(openInformationWindow()->currentTab(), 0);
        information.close();
        scoreboard.closeByProgram();
    }
};

QTEST_MAIN(InformationOnQtTest)
#include "test_information_on_qt.moc"
