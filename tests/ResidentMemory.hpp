#pragma once

#include <QFile>
#include <QTest>

#include <functional>

// Resident memory of the test process, for checks that repeated actions keep
// memory flat.
namespace residentMemory {

inline long kilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    // The file reports no size, so it is read whole rather than up to its end.
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').front().toLong();
        }
    }
    return -1;
}

// Growth in kB over `times` repetitions of an action, after as many again to
// warm up caches and pools.
inline long growthKb(int times, const std::function<void()>& action)
{
    for (int k = 0; k < times; ++k) {
        action();
    }
    QTest::qWait(1);
    const long before = kilobytes();
    for (int k = 0; k < times; ++k) {
        action();
    }
    QTest::qWait(1);
    return kilobytes() - before;
}

// AddressSanitizer keeps freed memory in quarantine, so resident memory
// grows under it whatever the program does; its own leak check applies there.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool meaningful = false;
#else
inline constexpr bool meaningful = true;
#endif

} // namespace residentMemory
