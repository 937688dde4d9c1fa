#include "wavepair/Form1.hpp"

#include "ResidentMemory.hpp"
#include "surface/ClassicControls.hpp"
#include "surface/DrawingSurface.hpp"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QStyleFactory>
#include <QTest>

#include <memory>

using surface::DrawingSurface;
using surface::RGB;
using surface::Rgb;
using wavepair::Form1;

namespace {

// A 1024 x 768 screen at 96 dpi.
const QSizeF screen1024(15360, 11520);

struct Loaded {
    std::unique_ptr<Form1> form = std::make_unique<Form1>(screen1024);

    Loaded()
    {
        form->Form_Load();
        if (!QTest::qWaitForWindowExposed(form.get())) {
            qFatal("window not exposed");
        }
    }

    template <typename T> T* get(const char* name) const
    {
        auto* control = form->findChild<T*>(QString::fromLatin1(name));
        if (control == nullptr) {
            qFatal("no control %s", name);
        }
        return control;
    }
    DrawingSurface* picture(const char* name) const { return get<DrawingSurface>(name); }
    void click(const char* name) const { QTest::mouseClick(get<QPushButton>(name), Qt::LeftButton); }
    void halt() const
    {
        if (form->model().halted == 0) {
            click("Command11");
        }
        if (!QTest::qWaitFor(
                [this] {
                    return !form->isRunning();
                },
                2000)) {
            qFatal("run did not halt");
        }
    }
};

} // namespace

class WavePairDetailsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion"))); }

    void togglesKeepMemoryFlat_data()
    {
        QTest::addColumn<QByteArray>("toggle");
        for (const char* name : {"Command7", "Command9", "Command2", "Command3", "Command11"}) {
            QTest::newRow(name) << QByteArray(name);
        }
    }

    void togglesKeepMemoryFlat()
    {
        if (!residentMemory::meaningful) {
            QSKIP("resident memory is no measure under AddressSanitizer");
        }
        QFETCH(QByteArray, toggle);
        Loaded f;
        const long growth = residentMemory::growthKb(6000, [&] {
            f.click(toggle.constData());
            QApplication::processEvents();
        });
        QVERIFY2(growth < 1024, qPrintable(QStringLiteral("grew by %1 kB").arg(growth)));
    }
};

QTEST_MAIN(WavePairDetailsTest)
#include "wavepair_details_test.moc"
