#include "motion/calibrationfile.h"

#include "base/inputfile.h"
#include "base/numberformat.h"
#include "base/outputfile.h"
#include "gcode/gcodemessages.h"
#include "motion/calibrationfit.h"
#include "motion/calibrationtexts.h"

#include <QFileInfo>
#include <QList>

#include <array>
#include <cmath>

namespace {

struct ValueRule {
    const char* key;
    double ArmCalibration::*member;
    double low;
    double high;
};
// What an arm of the station can be: links within a fifth of the nominal,
// joints within a fifth of their gain, the elbow's zero within 45 degrees.
constexpr std::array<ValueRule, 5> kRules{{
    {"L1", &ArmCalibration::link1, 0.8 * arm::kLinkLength, 1.2 * arm::kLinkLength},
    {"L2", &ArmCalibration::link2, 0.8 * arm::kLinkLength, 1.2 * arm::kLinkLength},
    {"k1", &ArmCalibration::shoulderGain, 0.8, 1.2},
    {"k2", &ArmCalibration::elbowGain, 0.8, 1.2},
    {"o2", &ArmCalibration::elbowOffset, -45, 45},
}};

QList<QByteArray> fields(QByteArray line) {
    const qsizetype hash = line.indexOf('#');
    if (hash >= 0)
        line.truncate(hash);
    return line.simplified().split(' ');
}

Status readValue(ArmCalibration& c, std::array<bool, 5>& seen, const QList<QByteArray>& f,
                 qsizetype line) {
    using namespace calibrationtext;
    const auto damaged = [line](const QString& why) {
        return Failure{damagedFile(line + 1, why), line};
    };
    if (f.size() != 2)
        return damaged(
            QCoreApplication::translate("calibration", "potrzeba nazwy wartości i liczby."));
    for (std::size_t i = 0; i < kRules.size(); ++i) {
        if (f[0] != kRules[i].key)
            continue;
        if (seen[i])
            return damaged(QCoreApplication::translate("calibration", "wartość %1 powtórzona.")
                               .arg(QString::fromLatin1(f[0])));
        QByteArray number = f[1];
        const Result<double> v = ParseReal(number.replace('.', ','));
        if (!v || !(*v >= kRules[i].low && *v <= kRules[i].high))
            return damaged(
                QCoreApplication::translate("calibration", "'%1' nie jest możliwą wartością %2.")
                    .arg(QString::fromLatin1(f[1]), QString::fromLatin1(f[0])));
        c.*kRules[i].member = *v;
        seen[i] = true;
        return {};
    }
    return damaged(QCoreApplication::translate("calibration", "nieznana wartość '%1'.")
                       .arg(QString::fromLatin1(f[0])));
}

} // namespace

QByteArray WriteCalibrationFile(const ArmCalibration& calibration, const CalibrationFit* fit) {
    QByteArray out = QByteArray(kCalibrationHeader) + ' ' + QByteArray::number(kCalibrationVersion);
    out += "\n# L1, L2: mm; k1, k2: 1; o2: degrees\n";
    if (fit)
        out += "# residual RMS " + FormatReal(fit->residualRms).toLatin1() + " mm\n";
    for (std::size_t i = 0; i < kRules.size(); ++i) {
        out +=
            QByteArray(kRules[i].key) + ' ' + FormatReal(calibration.*kRules[i].member).toLatin1();
        if (fit)
            out += "  # +- " + FormatReal(fit->uncertainty[i]).toLatin1();
        out += '\n';
    }
    return out;
}

Result<ArmCalibration> ReadCalibrationFile(const QByteArray& text) {
    const QList<QByteArray> lines = text.split('\n');
    const QList<QByteArray> head = fields(lines.value(0));
    if (head.size() != 2 || head[0] != kCalibrationHeader)
        return Failure{calibrationtext::notCalibrationFile(), 0};
    if (head[1] != QByteArray::number(kCalibrationVersion))
        return Failure{calibrationtext::otherVersion(QString::fromLatin1(head[1]).left(20)), 0};
    ArmCalibration c;
    std::array<bool, 5> seen{};
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QList<QByteArray> f = fields(lines[i]);
        if (f.size() == 1 && f[0].isEmpty())
            continue;
        if (const Status s = readValue(c, seen, f, i); !s)
            return s.failure();
    }
    for (std::size_t i = 0; i < kRules.size(); ++i) {
        if (!seen[i])
            return Failure{calibrationtext::damagedFile(
                lines.size(), QCoreApplication::translate("calibration", "brak wartości %1.")
                                  .arg(QLatin1String(kRules[i].key)))};
    }
    return c;
}

Result<std::vector<CalibrationMeasure>> ReadCalibrationMeasures(const QByteArray& text) {
    std::vector<CalibrationMeasure> out;
    const QList<QByteArray> lines = text.split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QList<QByteArray> f = fields(lines[i]);
        if (f.size() == 1 && f[0].isEmpty())
            continue;
        if (f.size() != 5)
            return Failure{calibrationtext::notFiveNumbers(i + 1), i};
        double v[5];
        for (int j = 0; j < 5; ++j) {
            QByteArray number = f[j];
            const Result<double> r = ParseReal(number.replace('.', ','));
            if (!r || !std::isfinite(*r))
                return Failure{calibrationtext::badNumber(i + 1, QString::fromLocal8Bit(f[j])), i};
            v[j] = *r;
        }
        if (!(v[4] > 0))
            return Failure{calibrationtext::badDistance(i + 1), i};
        out.push_back({{v[0], v[1]}, {v[2], v[3]}, v[4], i});
    }
    return out;
}

Result<ArmCalibration> LoadCalibrationFile(const QString& fileName) {
    // A calibration is a few lines: a stream is read no further than this.
    constexpr qint64 kMostBytes = 1 << 20;
    const QString name = QFileInfo(fileName).absoluteFilePath();
    const Result<QByteArray> bytes = ReadInputFile(fileName, kMostBytes);
    if (!bytes)
        return Failure{GcodeMessages::cannotOpenFile(name, bytes.error())};
    if (bytes->size() > kMostBytes)
        return Failure{calibrationtext::notCalibrationFile()};
    return ReadCalibrationFile(*bytes);
}

Status SaveCalibrationFile(const QString& fileName, const QByteArray& text) {
    OutputFile file(fileName);
    if (!file.open() || !file.write(text) || !file.commit())
        return Failure{GcodeMessages::cannotCreateFile(QFileInfo(fileName).absoluteFilePath(),
                                                       file.errorString())};
    return {};
}
