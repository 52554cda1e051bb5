#pragma once

// The arm's fixed facts, which every subsystem that plans, checks or draws
// moves shares: two equal links on a base at the origin of the program's X/Y
// plane, the home point where every program starts, and the default radius
// of the circle around the base that the arm must not enter.
namespace arm {

inline constexpr double kLinkLength = 250.0;
inline constexpr double kReach = 2.0 * kLinkLength;
inline constexpr double kHomeX = 500.0;
inline constexpr double kHomeY = 0.0;
// "Obszar zabroniony" (Edit15) unless the operator sets another.
inline constexpr double kDefaultForbiddenRadius = 150.0;

} // namespace arm
