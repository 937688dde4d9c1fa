#include "surface/Startup.hpp"

#include <QContextMenuEvent>
#include <QMenu>
#include <QProcess>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

// How both programs start: with the toolkit's texts in German, and with a
// plain message instead of an abort when there is no display.
class StartupTest : public QObject {
    Q_OBJECT

private slots:
    void scrollBarMenuSpeaksGerman()
    {
        QVERIFY(surface::installToolkitGerman());
        QScrollBar bar(Qt::Horizontal);
        bar.resize(200, 20);
        bar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bar));
        QStringList texts;
        QTimer::singleShot(0, this, [&texts] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (menu != nullptr) {
                for (const QAction* action : menu->actions()) {
                    texts << action->text();
                }
                menu->close();
            }
        });
        QContextMenuEvent event(QContextMenuEvent::Mouse, {50, 10}, bar.mapToGlobal(QPoint(50, 10)));
        QApplication::sendEvent(&bar, &event);
        texts.removeAll(QString());
        QVERIFY(!texts.isEmpty());
        QVERIFY2(!texts.contains(QStringLiteral("Scroll here")), qPrintable(texts.join(u'|')));
        QVERIFY2(texts.contains(QStringLiteral("Hierher scrollen")), qPrintable(texts.join(u'|')));
    }

    void withoutADisplayTheProgramsSaySo_data()
    {
        QTest::addColumn<QString>("program");
        QTest::newRow("kettlab") << QStringLiteral(KETTLAB_PATH);
        QTest::newRow("paarlab") << QStringLiteral(PAARLAB_PATH);
    }

    void withoutADisplayTheProgramsSaySo()
    {
        QFETCH(QString, program);
        for (const char* display : {":987", ""}) {
            QProcess process;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.remove(QStringLiteral("QT_QPA_PLATFORM"));
            env.remove(QStringLiteral("WAYLAND_DISPLAY"));
            env.insert(QStringLiteral("DISPLAY"), QString::fromLatin1(display));
            process.setProcessEnvironment(env);
            process.start(program, {});
            QVERIFY(process.waitForFinished(20000));
            QCOMPARE(process.exitStatus(), QProcess::NormalExit);
            QCOMPARE(process.exitCode(), 1);
            const QString said = QString::fromLocal8Bit(process.readAllStandardError());
            QVERIFY2(said.contains(QStringLiteral("grafische Anzeige")), qPrintable(said));
            QVERIFY2(said.contains(QStringLiteral("xvfb-run")), qPrintable(said));
        }
    }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
