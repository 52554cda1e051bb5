#include "motion/calibrationfit.h"

#include "base/numberformat.h"
#include "motion/calibrationtexts.h"
#include "motion/kinematics.h"

#include <Eigen/Dense>
#include <unsupported/Eigen/NonLinearOptimization>
#include <unsupported/Eigen/NumericalDiff>

#include <cmath>

namespace {

constexpr int kValues = 5;
// Columns of the scaled Jacobian closer to dependent than this do not pin
// the values.
constexpr double kSingularRatio = 1e-6;

ArmCalibration fromVector(const Eigen::VectorXd& v) {
    return {v[0], v[1], v[2], v[3], v[4]};
}

// One measure with the controller's angles for its crosses.
struct MeasureAngles {
    JointAngles first;
    JointAngles second;
    double distance;
};

double drawnDistance(const ArmCalibration& c, const MeasureAngles& m) {
    const ArmPoint a = RealPen(c, m.first);
    const ArmPoint b = RealPen(c, m.second);
    return std::hypot(a.x - b.x, a.y - b.y);
}

// The residuals for Eigen's Levenberg-Marquardt: drawn minus measured.
struct DistanceResiduals {
    using Scalar = double;
    enum { InputsAtCompileTime = Eigen::Dynamic, ValuesAtCompileTime = Eigen::Dynamic };
    using InputType = Eigen::VectorXd;
    using ValueType = Eigen::VectorXd;
    using JacobianType = Eigen::MatrixXd;

    const std::vector<MeasureAngles>* measures = nullptr;

    int inputs() const { return kValues; }
    int values() const { return int(measures->size()); }
    int operator()(const Eigen::VectorXd& x, Eigen::VectorXd& f) const {
        const ArmCalibration c = fromVector(x);
        for (std::size_t i = 0; i < measures->size(); ++i)
            f[Eigen::Index(i)] = drawnDistance(c, (*measures)[i]) - (*measures)[i].distance;
        return 0;
    }
};
using NumericResiduals = Eigen::NumericalDiff<DistanceResiduals, Eigen::Central>;

bool pinsTheValues(const Eigen::MatrixXd& jacobian) {
    if (!jacobian.allFinite())
        return false;
    Eigen::MatrixXd scaled = jacobian;
    for (Eigen::Index j = 0; j < scaled.cols(); ++j) {
        const double norm = scaled.col(j).norm();
        if (!(norm > 0))
            return false;
        scaled.col(j) /= norm;
    }
    const Eigen::JacobiSVD<Eigen::MatrixXd> svd(scaled);
    const Eigen::VectorXd s = svd.singularValues();
    return s[s.size() - 1] > kSingularRatio * s[0];
}

std::array<double, kValues> uncertainties(const Eigen::MatrixXd& jacobian, double sumSquares,
                                          int measures) {
    const double variance = sumSquares / double(measures - kValues);
    const Eigen::MatrixXd covariance =
        variance *
        (jacobian.transpose() * jacobian).ldlt().solve(Eigen::MatrixXd::Identity(kValues, kValues));
    std::array<double, kValues> sigma{};
    for (int i = 0; i < kValues; ++i)
        sigma[std::size_t(i)] = std::sqrt(std::max(0.0, covariance(i, i)));
    return sigma;
}

// Every measured cross must lie within the fitted arm's reach.
Status reachesEveryCross(const ArmCalibration& c, const std::vector<CalibrationMeasure>& m) {
    for (const CalibrationMeasure& measure : m) {
        for (const ArmPoint p : {measure.first, measure.second}) {
            if (!CorrectPoint(c, p))
                return Failure{calibrationtext::cannotReach(FormatReal(p.x), FormatReal(p.y)),
                               measure.line};
        }
    }
    return {};
}

// A cross the nominal arm cannot reach, or a distance longer than the reach
// allows, is no measure of the pattern.
Status withinTheReach(const std::vector<CalibrationMeasure>& measures) {
    for (std::size_t i = 0; i < measures.size(); ++i) {
        const CalibrationMeasure& m = measures[i];
        const qsizetype line = m.line >= 0 ? m.line : qsizetype(i);
        for (const ArmPoint p : {m.first, m.second}) {
            if (!(std::hypot(p.x, p.y) <= arm::kReach))
                return Failure{
                    calibrationtext::crossBeyondReach(line + 1, FormatReal(p.x), FormatReal(p.y)),
                    line};
        }
        if (!(m.distance <= 2 * arm::kReach))
            return Failure{calibrationtext::distanceTooLong(line + 1), line};
    }
    return {};
}

} // namespace

double DrawnDistance(const ArmCalibration& calibration, const CalibrationMeasure& measure) {
    const MeasureAngles m{SolveJointAngles(measure.first.x, measure.first.y, 0),
                          SolveJointAngles(measure.second.x, measure.second.y, 0),
                          measure.distance};
    return drawnDistance(calibration, m);
}

Result<CalibrationFit> FitCalibration(const std::vector<CalibrationMeasure>& measures) {
    const int count = int(measures.size());
    if (count < kMinCalibrationMeasures)
        return Failure{calibrationtext::tooFewMeasures(count, kMinCalibrationMeasures)};
    if (const Status s = withinTheReach(measures); !s)
        return s.failure();
    std::vector<MeasureAngles> angles;
    angles.reserve(measures.size());
    for (const CalibrationMeasure& m : measures)
        angles.push_back({SolveJointAngles(m.first.x, m.first.y, 0),
                          SolveJointAngles(m.second.x, m.second.y, 0), m.distance});

    DistanceResiduals residuals;
    residuals.measures = &angles;
    NumericResiduals numeric(residuals);
    Eigen::VectorXd x(kValues);
    x << arm::kLinkLength, arm::kLinkLength, 1.0, 1.0, 0.0;
    Eigen::MatrixXd jacobian(count, kValues);
    numeric.df(x, jacobian);
    if (!pinsTheValues(jacobian))
        return Failure{calibrationtext::singularFit()};

    Eigen::LevenbergMarquardt<NumericResiduals, double> lm(numeric);
    lm.parameters.xtol = 1e-14;
    lm.parameters.ftol = 1e-14;
    lm.parameters.maxfev = 4000;
    lm.minimize(x);
    if (!x.allFinite() || x[0] <= 0 || x[1] <= 0 || x[2] <= 0 || x[3] <= 0)
        return Failure{calibrationtext::singularFit()};
    numeric.df(x, jacobian);
    if (!pinsTheValues(jacobian))
        return Failure{calibrationtext::singularFit()};

    CalibrationFit fit;
    fit.calibration = fromVector(x);
    Eigen::VectorXd f(count);
    residuals(x, f);
    fit.residuals.assign(f.data(), f.data() + count);
    fit.residualRms = std::sqrt(f.squaredNorm() / count);
    fit.uncertainty = uncertainties(jacobian, f.squaredNorm(), count);

    Eigen::Index worst = 0;
    if (f.cwiseAbs().maxCoeff(&worst) > kMaxCalibrationResidual) {
        const CalibrationMeasure& m = measures[std::size_t(worst)];
        const qsizetype line = m.line >= 0 ? m.line : qsizetype(worst);
        return Failure{calibrationtext::residualTooLarge(
                           line + 1, FormatReal(std::round(f[worst] * 100) / 100)),
                       line};
    }
    if (const Status reach = reachesEveryCross(fit.calibration, measures); !reach)
        return reach.failure();
    return fit;
}
