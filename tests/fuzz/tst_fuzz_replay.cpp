// Replays the inputs kept for one fuzz target (every file of the folder
// SCARA_FUZZ_CASES): the inputs that once crashed it, or broke one of its
// checks, and a few that reach deep into the reader. A target aborts on a
// broken check, so a case that fails again stops this test.
#include <QDir>
#include <QFile>
#include <QTest>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

class FuzzReplay : public QObject {
    Q_OBJECT

private slots:
    void replay_data() {
        QTest::addColumn<QString>("path");
        const QDir cases(QStringLiteral(SCARA_FUZZ_CASES));
        const QStringList names = cases.entryList(QDir::Files, QDir::Name);
        QVERIFY2(!names.isEmpty(), qPrintable(cases.path()));
        for (const QString& name : names)
            QTest::newRow(qPrintable(name)) << cases.filePath(name);
    }
    void replay() {
        QFETCH(QString, path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QCOMPARE(LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.constData()),
                                        size_t(bytes.size())),
                 0);
    }
};

QTEST_GUILESS_MAIN(FuzzReplay)
#include "tst_fuzz_replay.moc"
