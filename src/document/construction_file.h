// Construction files (.zef): a construction as JSON with a format version,
// the field size and its steps. Reading checks everything before anything is
// made of it, so a file is either taken whole or refused with the reason.
#pragma once

#include <QByteArray>
#include <QString>
#include <stdexcept>

#include "document/construction.h"

// The newest format read. Ordinary constructions are written as format 1,
// which earlier versions of the program read as well; superposition
// documents, which they cannot draw, as format 2; a construction with a
// colour map, which neither draws, as format 3; one with a contour as
// format 4; one with time marks as format 5; one with a snapshot of
// moving particles as format 7.
inline constexpr int kOrdinaryFormatVersion = 1;
inline constexpr int kSuperpositionFormatVersion = 2;
inline constexpr int kMapFormatVersion = 3;
inline constexpr int kContourFormatVersion = 4;
inline constexpr int kAirfoilFormatVersion = 5;
inline constexpr int kTimeMarksFormatVersion = 6;
inline constexpr int kParticlesFormatVersion = 7;
inline constexpr int kConstructionFormatVersion = kParticlesFormatVersion;

class ConstructionFileError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

QByteArray constructionToJson(const Construction& construction);

// Throws ConstructionFileError saying what is wrong with the bytes.
Construction constructionFromJson(const QByteArray& json);

// Written aside and put in place only when complete, so a failed save leaves
// an earlier file whole. Throws ConstructionFileError naming the file.
void writeConstructionFile(const Construction& construction, const QString& fileName);

// Throws ConstructionFileError naming the file and the problem.
Construction readConstructionFile(const QString& fileName);
