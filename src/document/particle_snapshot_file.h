// A snapshot of moving particles in a construction file: its trails as
// lists of whole hundredths of a pixel, x and y by turns.
#pragma once

#include <QJsonArray>
#include <QString>

#include "document/construction.h"

QJsonArray trailsToJson(const ParticleSnapshotStep& snapshot);

// Throws ConstructionFileError, `where` before the problem, when the trails
// are not such lists or hold more trails or points than a file may.
ParticleSnapshotStep snapshotFromJson(const QJsonValue& trails, const QString& where);
