#pragma once

#include <array>
#include <cstdint>

// The fixed model of the arm scene: colours, dimensions and translations, in
// scene units. The scene's vertical axis is +Y; both arm joints turn about Y.
// The drawing routines in armscene.cpp take every number from here.
namespace SceneModel {

struct Colour {
    std::uint8_t red, green, blue;
};

struct Vec3 {
    double x, y, z;
};

// A box between two corners, drawn after a translation of the piece's frame
// (the translations of one piece add up).
struct BoxPart {
    Vec3 translation;
    Vec3 corner;
};

// gluCylinder arguments; each cylinder runs from the frame's origin along +z.
struct Cylinder {
    double baseRadius, topRadius, height;
    int slices, stacks;
};

// Colours.
inline constexpr Colour kBoxFace{138, 138, 149};
inline constexpr Colour kBoxOutline{0, 0, 255};
inline constexpr Colour kSlatEnd{23, 23, 23};
inline constexpr Colour kSlatTop{43, 43, 43}; // also the base plate
inline constexpr Colour kSlatSide{33, 33, 33};
inline constexpr Colour kAxisMarker{255, 255, 0};

// The slatted table: slat i (kFirstSlat <= i <= kLastSlat) spans z from
// i * kSlatPitch to i * kSlatPitch + kSlatWidth.
inline constexpr int kFirstSlat = -15;
inline constexpr int kLastSlat = 14;
inline constexpr double kSlatPitch = 0.5;
inline constexpr double kSlatWidth = 0.25;
inline constexpr double kTableLeft = -5.0;
inline constexpr double kTableRight = 2.5;
inline constexpr double kTableTop = -3.65;
inline constexpr double kTableBottom = -4.15;
inline constexpr double kPlateNear = 7.5; // base plate spans z -7.5 to 7.5
inline constexpr Vec3 kAxisMarkerOrigin{-5.0, -3.65, -7.5};
inline constexpr double kAxisMarkerLength = 2.0;

// The base bracket: its frame is turned by -90 degrees about +X, then moved.
inline constexpr double kBaseTilt = -90.0;
inline constexpr Vec3 kBaseOffset{-5.0, -0.4, -3.65};
inline constexpr std::array<BoxPart, 5> kBaseParts{{
    {{0, 0, 0}, {1, 0.25, 1.25}},
    {{0, 1.05, 0}, {1, 0.25, 1.25}},
    {{0, -0.8, 1}, {1, 0.8, 0.25}},
    {{0, 0, 0.25}, {0.2, 0.8, 0.25}},
    {{0, 0, 0.25}, {1, 0.8, 0.25}},
}};

// The frame sequence: where each joint and the tool sit in the frame before.
inline constexpr Vec3 kArm1Joint{-4.25, -2.38, -0.25};
inline constexpr Vec3 kArm2Joint{2.4, 0.25, 0};
inline constexpr Vec3 kToolOffset{1.8, 0.22, -0.4};

inline constexpr BoxPart kArm1Part{{-0.4, 0, -0.4}, {3.1, 0.22, 0.8}};
inline constexpr BoxPart kArm2Part{{-0.3, 0, -0.4}, {2.4, 0.22, 0.8}};

// The Z unit on the end of arm 2 (tool frame).
inline constexpr std::array<BoxPart, 3> kZFrameParts{{
    {{0, 0, 0}, {0.3, 1.3, 0.1}},
    {{0, 0, 0.7}, {0.3, 1.3, 0.1}},
    {{0, 1.3, -0.7}, {0.3, 0.25, 0.8}},
}};

// The slide first moves to kSlideOrigin raised by SlideZ, then draws its parts.
inline constexpr Vec3 kSlideOrigin{0, 1.0, 0.1};
inline constexpr std::array<BoxPart, 5> kZSlideParts{{
    {{0, 0, 0}, {0.3, 0.25, 0.6}},
    {{0.3, 0, -0.1}, {0.25, 0.25, 0.8}},
    {{0, -1.7, 0}, {0.25, 1.7, 0.8}},
    {{0.25, 0, 0}, {0.15, 0.25, 0.8}},
    {{0.15, 0, 0}, {0.15, 0.25, 0.8}},
}};

// The guide rod and the lead screw (tool frame, wireframe quadrics).
inline constexpr Vec3 kScrewOffset{0.65, -0.8, 0.01};
inline constexpr double kScrewTilt = 90.0; // about +X: local +z points down
inline constexpr Vec3 kScrewBase{-0.5, 0.25, -2.15};
inline constexpr Cylinder kGuideRod{0.05, 0.05, 1.4, 10, 10};
inline constexpr Vec3 kScrewAxis{0, 0.25, 0};
inline constexpr double kScrewTurnPerSlide = 60.0; // degrees per unit of SlideZ
inline constexpr Cylinder kScrewCollar{0.11, 0.11, 0.05, 20, 5};
inline constexpr Cylinder kScrew{0.05, 0.05, 1.4, 10, 10};
inline constexpr Vec3 kLowerCollarOffset{0, 0, 1.35};
inline constexpr Vec3 kShaftOffset{0, 0, 0.05};
inline constexpr Cylinder kShaft{0.025, 0.025, 0.1, 10, 5};
inline constexpr Vec3 kDiscOffset{0, 0, 0.1};
inline constexpr Cylinder kDisc{0.125, 0.125, 0.1, 20, 5};

} // namespace SceneModel
