// The memory status over Linux: the figures of a meminfo text, and the running system's
// total against the kernel's own sysinfo().
#include "MemoryStatus.h"

#include <QTest>

#include <sys/sysinfo.h>

#include <sstream>

class MemoryStatusTest : public QObject {
    Q_OBJECT
private slots:
    void figuresOfMeminfo_data();
    void figuresOfMeminfo();
    void systemTotalIsTheKernels();
};

void MemoryStatusTest::figuresOfMeminfo_data()
{
    QTest::addColumn<QString>("meminfo");
    QTest::addColumn<quint64>("total");
    QTest::addColumn<uint>("load");

    QTest::newRow("kernel text, half in use")
        << "MemTotal:       16314880 kB\nMemFree:         1024000 kB\nMemAvailable:    8157440 kB\n"
           "Buffers:          300000 kB\nCached:          6000000 kB\nSwapTotal:       2097148 kB\n"
        << quint64(16314880) * 1024 << 50u;
    QTest::newRow("above 4 GiB") << "MemTotal: 67108864 kB\nMemAvailable: 16777216 kB\n"
                                 << quint64(68719476736) << 75u;
    QTest::newRow("half a per cent rounds up") << "MemTotal: 200 kB\nMemAvailable: 199 kB\n"
                                               << quint64(204800) << 1u;
    QTest::newRow("below half a per cent rounds down") << "MemTotal: 1000 kB\nMemAvailable: 996 kB\n"
                                                       << quint64(1024000) << 0u;
    QTest::newRow("49.5 per cent rounds up") << "MemTotal: 200 kB\nMemAvailable: 101 kB\n"
                                             << quint64(204800) << 50u;
    QTest::newRow("all in use") << "MemTotal: 4096 kB\nMemAvailable: 0 kB\n" << quint64(4194304) << 100u;
    QTest::newRow("more available than total") << "MemTotal: 4096 kB\nMemAvailable: 5000 kB\n"
                                               << quint64(4194304) << 0u;
    QTest::newRow("old kernel: free, buffers and cached are available")
        << "MemTotal: 1000 kB\nMemFree: 100 kB\nBuffers: 50 kB\nCached: 250 kB\n"
        << quint64(1024000) << 60u;
    QTest::newRow("no MemTotal") << "MemFree: 100 kB\nMemAvailable: 50 kB\n" << quint64(0) << 0u;
    QTest::newRow("empty") << "" << quint64(0) << 0u;
}

void MemoryStatusTest::figuresOfMeminfo()
{
    QFETCH(QString, meminfo);
    QFETCH(quint64, total);
    QFETCH(uint, load);
    std::istringstream text(meminfo.toStdString());
    const MEMORYSTATUS status = memory_status::FromMeminfo(text);
    QCOMPARE(quint64(status.dwTotalPhys), total);
    QCOMPARE(uint(status.dwMemoryLoad), load);
}

void MemoryStatusTest::systemTotalIsTheKernels()
{
    struct sysinfo figures {};
    QCOMPARE(sysinfo(&figures), 0);
    MEMORYSTATUS status;
    GlobalMemoryStatus(status); // no source set: the running system
    QCOMPARE(quint64(status.dwTotalPhys), quint64(figures.totalram) * figures.mem_unit);
    QVERIFY(status.dwMemoryLoad <= 100);
}

QTEST_GUILESS_MAIN(MemoryStatusTest)
#include "MemoryStatusTest.moc"
