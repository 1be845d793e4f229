// A frame of moving particles copied into the picture: one step of the history.
#include "document/document.h"

void Document::keepParticleSnapshot(const ParticleSnapshotStep& snapshot) {
    const std::vector<ConstructionStep> made{{snapshot, {}}};
    const std::size_t at = steps_.size();
    replaceSteps(at, 0, made);
    keepChange("снимок частиц", at, {}, made);
}
