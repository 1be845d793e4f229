// The limits of a construction file, so that any file the program takes
// opens within a few seconds and the memory of its picture; larger ones are
// refused, naming the limit. The README lists them.
#pragma once

#include <QtGlobal>

inline constexpr qint64 kMaxConstructionBytes = 64LL * 1024 * 1024;
// Every step: elements, commands, velocity clicks and labels.
inline constexpr int kMaxConstructionSteps = 10'000;
// Of them, the steps that trace lines: commands, a superposition's lines and
// time marks.
inline constexpr int kMaxLineSteps = 200;
// A label's text and a command's title.
inline constexpr int kMaxTextCharacters = 1000;
// A font's family and style names.
inline constexpr int kMaxFontNameCharacters = 200;
// The ends of a colour map's fixed range.
inline constexpr double kMaxMapRange = 1e6;
// A contour polygon's corners, and the density of a contour's lift.
inline constexpr int kMaxContourCorners = 1000;
inline constexpr double kMaxDensity = 1e6;
// A snapshot of moving particles: its trails and the points of each.
inline constexpr int kMaxSnapshotTrails = 5000;
inline constexpr int kMaxSnapshotTrailPoints = 256;
