// The small helpers every window uses: twips, centring, fonts and the drawn icon.

#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QTest>
#include <QWidget>

#include "windows/baseball_icon.h"
#include "windows/centre_window.h"
#include "windows/fonts.h"
#include "windows/pictures.h"
#include "windows/twips.h"

class WindowHelpersTest : public QObject {
    Q_OBJECT

private slots:
    void twipsToPixels_data() {
        QTest::addColumn<int>("twips");
        QTest::addColumn<int>("pixels");
        QTest::newRow("none") << 0 << 0;
        QTest::newRow("just under half") << 7 << 0;
        QTest::newRow("just over half") << 8 << 1;
        QTest::newRow("one pixel") << 15 << 1;
        QTest::newRow("a text box") << 375 << 25;
        QTest::newRow("first row") << 950 << 63;
        QTest::newRow("window width") << 8910 << 594;
    }
    void twipsToPixels() {
        QFETCH(int, twips);
        QFETCH(int, pixels);
        QCOMPARE(zelvano::twipsToPixels(twips), pixels);
    }

    // Edges are rounded, so two controls that touch in twips touch in pixels.
    void twipsRectKeepsNeighboursTouching() {
        const QRect left = zelvano::twipsRect(0, 0, 500, 255);
        const QRect right = zelvano::twipsRect(500, 0, 500, 255);
        QCOMPARE(left.x() + left.width(), right.x());
        QCOMPARE(zelvano::twipsRect(500, 950, 3135, 255), QRect(33, 63, 209, 17));
    }

    // The difference is rounded ties-to-even, then halved towards zero.
    void centredOffset_data() {
        QTest::addColumn<double>("screen");
        QTest::addColumn<double>("window");
        QTest::addColumn<int>("offset");
        QTest::newRow("even difference") << 1920.0 << 594.0 << 663;
        QTest::newRow("odd difference drops the half") << 1000.0 << 501.0 << 249;
        QTest::newRow("a half rounds down to even") << 100.5 << 0.0 << 50;
        QTest::newRow("a half rounds up to even") << 101.5 << 0.0 << 51;
        QTest::newRow("2.5 becomes 2") << 2.5 << 0.0 << 1;
        QTest::newRow("3.5 becomes 4") << 3.5 << 0.0 << 2;
        QTest::newRow("larger than the screen") << 100.0 << 103.0 << -1;
        QTest::newRow("much larger") << 100.0 << 110.0 << -5;
    }
    void centredOffset() {
        QFETCH(double, screen);
        QFETCH(double, window);
        QFETCH(int, offset);
        QCOMPARE(zelvano::centredOffset(screen, window), offset);
    }

    // The outer frame, title bar and borders included, stands in the middle of the screen. The
    // first window learns the frame once it is up; the next one is placed by it before its
    // first show and does not move when shown.
    void centreWindowCentresTheFrame() {
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        const auto centred = [&](const QRect& frame) {
            return QPoint(screen.x() + zelvano::centredOffset(screen.width(), frame.width()),
                          screen.y() + zelvano::centredOffset(screen.height(), frame.height()));
        };
        QWidget first;
        first.setFixedSize(201, 100);
        zelvano::centreWindow(first);
        QCOMPARE(first.pos(), centred(QRect(0, 0, 201, 100)));  // no frame known yet
        first.show();
        QVERIFY(QTest::qWaitForWindowExposed(&first));
        QTRY_VERIFY(first.frameGeometry() != first.geometry());
        QTRY_COMPARE(first.frameGeometry().topLeft(), centred(first.frameGeometry()));

        QWidget second;
        second.setFixedSize(300, 151);
        zelvano::centreWindow(second);
        const QPoint placed = second.pos();
        second.show();
        QVERIFY(QTest::qWaitForWindowExposed(&second));
        QTRY_COMPARE(second.frameGeometry().topLeft(), centred(second.frameGeometry()));
        QCOMPARE(second.frameGeometry().topLeft(), placed);
    }

    // The Japanese faces are there and are the ones actually used.
    void fontsResolveToTheIpaFaces() {
        const QFont mincho = zelvano::windowFont(zelvano::FontFace::Mincho, 12.75);
        QCOMPARE(mincho.pixelSize(), 17);
        QCOMPARE(QFontInfo(mincho).family(), QStringLiteral("IPAMincho"));
        const QFont gothic = zelvano::windowFont(zelvano::FontFace::Gothic, 13.5, true);
        QCOMPARE(gothic.pixelSize(), 18);
        QVERIFY(gothic.bold());
        QCOMPARE(QFontInfo(gothic).family(), QStringLiteral("IPAGothic"));
        QCOMPARE(zelvano::defaultWindowFont().pixelSize(), 12);
    }

    // Every picture the game shows is built in and drawn at the screen's pixel density: on a
    // screen of ratio 2 a 60 × 100 frame has 120 × 200 pixels, with something painted on them.
    void picturesAreBuiltInAndSharp() {
        QStringList names{QStringLiteral("zelvano"), QStringLiteral("game-icon")};
        for (int k = 0; k < 8; ++k) names << QStringLiteral("demo-frame-%1").arg(k);
        for (int tab = 0; tab < 6; ++tab) names << QStringLiteral("tab-%1").arg(tab);
        for (const QString& name : names) {
            const QSize size =
                name.startsWith(QStringLiteral("demo-frame-"))
                    ? (name.back() >= QLatin1Char('5') ? QSize(60, 100) : QSize(60, 50))
                    : QSize(32, 32);
            const QImage image = zelvano::renderPicture(name, size, 2.0).toImage();
            QVERIFY2(image.size() == size * 2, qPrintable(name));
            int painted = 0;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) painted += qAlpha(image.pixel(x, y)) > 0;
            }
            QVERIFY2(painted > 20, qPrintable(name));
        }
        QVERIFY(zelvano::renderPicture(QStringLiteral("no-such-picture"), {8, 8}, 1.0).isNull());
        QVERIFY(zelvano::baseballIcon().availableSizes().contains(QSize(256, 256)));
        QVERIFY(zelvano::gameIcon().availableSizes().contains(QSize(32, 32)));
    }
};

QTEST_MAIN(WindowHelpersTest)
#include "test_window_helpers.moc"
