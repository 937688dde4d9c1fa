#include "desktop/Startup.hpp"

#include <QContextMenuEvent>
#include <QMenu>
#include <QProcess>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

// How both programs start: with the toolkit's texts in German, and with a
// plain message of what failed instead of an abort when they cannot start.
class StartupTest : public QObject {
    Q_OBJECT

private slots:
    void scrollBarMenuSpeaksGerman()
    {
        QVERIFY(desktop::installToolkitGerman());
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

    void theProgramsSayWhyTheyCannotStart_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("said");
        QTest::addColumn<QString>("notSaid");
        for (const auto& [name, path] : {std::pair{"kettlab", KETTLAB_PATH}, {"paarlab", PAARLAB_PATH}}) {
            QTest::addRow("%s, no display", name) << path << QStringList() << ":987"
                                                  << "xvfb-run"
                                                  << "Plattform";
            QTest::addRow("%s, no DISPLAY", name) << path << QStringList() << ""
                                                  << "xvfb-run"
                                                  << "Plattform";
            QTest::addRow("%s, unknown platform", name) << path << QStringList{"-platform", "nonexistent"} << ":987"
                                                        << "Die Plattform „nonexistent“ gibt es nicht"
                                                        << "Anzeige";
        }
    }

    void theProgramsSayWhyTheyCannotStart()
    {
        QFETCH(QString, program);
        QFETCH(QStringList, arguments);
        QFETCH(QString, display);
        QFETCH(QString, said);
        QFETCH(QString, notSaid);
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.insert(QStringLiteral("DISPLAY"), display);
        process.setProcessEnvironment(env);
        process.start(program, arguments);
        QVERIFY(process.waitForFinished(20000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 1);
        // The toolkit's own lines are English: the German words are the program's.
        const QString told = QString::fromLocal8Bit(process.readAllStandardError());
        QVERIFY2(told.contains(said) && !told.contains(notSaid), qPrintable(told));
    }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
