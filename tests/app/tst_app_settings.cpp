// The settings' minimal move and how bad field texts are handled.
#include "app/stationsettings.h"

#include <QTest>

class TestStationSettings : public QObject {
    Q_OBJECT
private slots:
    void minimalMove_data();
    void minimalMove();
    void badTextKeepsThePreviousValue();
    void divisionByZeroStoresTheZero();
    void forbiddenRadius_data();
    void forbiddenRadius();
};

void TestStationSettings::minimalMove_data() {
    QTest::addColumn<QString>("stepAngle");
    QTest::addColumn<QString>("microstep");
    QTest::addColumn<QString>("gearRatio");
    QTest::addColumn<QString>("minimalMove");
    QTest::newRow("defaults") << "1,8"
                              << "16"
                              << "0,25"
                              << "0,028125";
    QTest::newRow("microstep 2") << "1,8"
                                 << "2"
                                 << "0,25"
                                 << "0,225";
    QTest::newRow("then gear 0,5") << "1,8"
                                   << "2"
                                   << "0,5"
                                   << "0,45";
    QTest::newRow("negative microstep") << "1,8"
                                        << "-4"
                                        << "1"
                                        << "-0,45";
}

void TestStationSettings::minimalMove() {
    QFETCH(QString, stepAngle);
    QFETCH(QString, microstep);
    QFETCH(QString, gearRatio);
    QFETCH(QString, minimalMove);
    StationSettings settings;
    QVERIFY(
        settings.initialise(QStringLiteral("1,8"), QStringLiteral("16"), QStringLiteral("0,25")));
    // Each change stores its own value and recomputes from the other two.
    settings.changeStepAngle(stepAngle);
    settings.changeMicrostep(microstep);
    const Result<QString> result = settings.changeGearRatio(gearRatio);
    QVERIFY(result);
    QCOMPARE(*result, minimalMove);
}

void TestStationSettings::badTextKeepsThePreviousValue() {
    StationSettings settings;
    settings.initialise(QStringLiteral("1,8"), QStringLiteral("16"), QStringLiteral("0,25"));
    const Result<QString> point = settings.changeStepAngle(QStringLiteral("1.8"));
    QVERIFY(!point);
    QCOMPARE(point.error(), QStringLiteral("'1.8' is not a valid floating point value"));
    const Result<QString> empty = settings.changeMicrostep(QString());
    QCOMPARE(empty.error(), QStringLiteral("'' is not a valid integer value"));
    const Result<QString> comma = settings.changeMicrostep(QStringLiteral("1,5"));
    QCOMPARE(comma.error(), QStringLiteral("'1,5' is not a valid integer value"));
    QCOMPARE(settings.stepAngle(), 1.8);
    QCOMPARE(settings.microstep(), 16);
    QCOMPARE(*settings.changeGearRatio(QStringLiteral("0,5")), QStringLiteral("0,05625"));
}

void TestStationSettings::divisionByZeroStoresTheZero() {
    StationSettings settings;
    settings.initialise(QStringLiteral("1,8"), QStringLiteral("16"), QStringLiteral("0,25"));
    const Result<QString> zero = settings.changeMicrostep(QStringLiteral("0"));
    QCOMPARE(zero.error(), QStringLiteral("Floating point division by zero"));
    QCOMPARE(settings.microstep(), 0);
    QCOMPARE(settings.minimalMove(), 0.028125);
    // The stored zero makes the other fields fail too, until it is changed.
    QCOMPARE(settings.changeGearRatio(QStringLiteral("0,5")).error(),
             QStringLiteral("Floating point division by zero"));
    QCOMPARE(*settings.changeMicrostep(QStringLiteral("4")), QStringLiteral("0,225"));
    // A result beyond the doubles is an error too, not "INF" in the field.
    QVERIFY(settings.changeGearRatio(QStringLiteral("1e300")));
    QCOMPARE(settings.changeStepAngle(QStringLiteral("1e300")).error(),
             QStringLiteral("Floating point overflow"));
}

void TestStationSettings::forbiddenRadius_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("error"); // empty when taken
    QTest::addColumn<double>("radius");
    QTest::newRow("taken") << "120,5" << QString() << 120.5;
    QTest::newRow("zero") << "0"
                          << "'0' nie jest liczbą dodatnią" << 150.0;
    QTest::newRow("negative") << "-5"
                              << "'-5' nie jest liczbą dodatnią" << 150.0;
    QTest::newRow("not a number") << "zielony"
                                  << "'zielony' is not a valid floating point value" << 150.0;
    QTest::newRow("empty") << ""
                           << "'' is not a valid floating point value" << 150.0;
}

void TestStationSettings::forbiddenRadius() {
    QFETCH(QString, text);
    QFETCH(QString, error);
    QFETCH(double, radius);
    StationSettings settings;
    QCOMPARE(settings.forbiddenRadius(), 150.0);
    const Result<double> changed = settings.changeForbiddenRadius(text);
    QCOMPARE(changed.ok(), error.isEmpty());
    if (!changed.ok())
        QCOMPARE(changed.error(), error);
    QCOMPARE(settings.forbiddenRadius(), radius);
}

QTEST_GUILESS_MAIN(TestStationSettings)
#include "tst_app_settings.moc"
