#pragma once

#include <QString>

// A file in the suite's data folder (tests/<area>/data), which scara_add_test
// names in SCARA_TEST_DATA.
inline QString testDataPath(const QString& name) {
    return QStringLiteral(SCARA_TEST_DATA "/") + name;
}
