#include "cases.h"

#include "flow/airfoil/airfoil_drawing.h"
#include "flow/equipotentials/cylinder.h"
#include "flow/equipotentials/cylinder_circulation.h"
#include "flow/equipotentials/single_elements.h"
#include "flow/equipotentials/source_in_stream.h"
#include "flow/streamlines/combined_flows.h"
#include "flow/streamlines/cylinder_circulation.h"
#include "flow/streamlines/single_elements.h"

namespace bench {

namespace {

// Elements sit in the middle of the 800 x 600 picture.
constexpr int kX = 400;
constexpr int kY = 300;
constexpr int kRadius = 100;     // cylinder dialog default
constexpr int kMoment = 50;      // dipole dialog default
constexpr int kBoundary = 10;    // vortex-source dialog default
constexpr int kStrength = 1500;  // source/sink dialog default

using Draw = std::function<void(const flow::Canvas&)>;

void addDefault(std::vector<Case>& cases, std::string routine, Draw draw) {
    cases.push_back({std::move(routine), "default", SettingValues{}, std::move(draw)});
}

void addStress(std::vector<Case>& cases, std::string routine, SettingValues settings, Draw draw) {
    cases.push_back({std::move(routine), "stress", settings, std::move(draw)});
}

void addStreamlines(std::vector<Case>& cases) {
    using namespace flow;
    addDefault(cases, "StreamPointSource", [](const Canvas& c) { StreamPointSource(c, kX, kY); });
    addDefault(cases, "StreamVortex", [](const Canvas& c) { StreamVortex(c, kX, kY); });
    addDefault(cases, "StreamDipole", [](const Canvas& c) { StreamDipole(c, kX, kY, kMoment); });
    SettingValues dipoleStress;
    dipoleStress.streamlineCount = 150;
    dipoleStress.streamlineIncrement = 100;
    dipoleStress.dipoleMoment = 200;
    addStress(cases, "StreamDipole", dipoleStress,
              [](const Canvas& c) { StreamDipole(c, kX, kY, 200); });

    const Draw vortexSource = [](const Canvas& c) { StreamVortexSource(c, kX, kY, kBoundary); };
    addDefault(cases, "StreamVortexSource", vortexSource);
    SettingValues spiralStress;
    spiralStress.vortexSourceStrength = 100;
    spiralStress.vortexSourceCirculation = 3000;
    spiralStress.streamlineCount = 150;
    spiralStress.streamlineIncrement = 100;
    addStress(cases, "StreamVortexSource", spiralStress, vortexSource);

    addDefault(cases, "StreamCylinder",
               [](const Canvas& c) { StreamCylinder(c, kRadius, kX, kY); });
    addDefault(cases, "StreamSourceInStream source", [](const Canvas& c) {
        StreamSourceInStream(c, kX, kY, kStrength, kSourceInStream);
    });
    addDefault(cases, "StreamSourceInStream sink",
               [](const Canvas& c) { StreamSourceInStream(c, kX, kY, kStrength, kSinkInStream); });
    addDefault(cases, "StreamSourceSink",
               [](const Canvas& c) { StreamSourceSink(c, 300, kY, 200, kStrength, kStrength); });

    addDefault(cases, "StreamCylinderCirculation",
               [](const Canvas& c) { StreamCylinderCirculation(c, kRadius, kX, kY); });
    SettingValues circulationStress;
    circulationStress.cylinderCirculation = 2000;
    circulationStress.streamlineCount = 150;
    circulationStress.streamlineIncrement = 5;
    circulationStress.fieldWidth = 2000;
    circulationStress.fieldHeight = 2000;
    circulationStress.cylinderRadius = 50;
    addStress(cases, "StreamCylinderCirculation", circulationStress,
              [](const Canvas& c) { StreamCylinderCirculation(c, 50, kX, kY); });
}

void addEquipotentials(std::vector<Case>& cases) {
    using namespace flow;
    addDefault(cases, "EquipotentialPointSource",
               [](const Canvas& c) { EquipotentialPointSource(c, kX, kY); });
    addDefault(cases, "EquipotentialVortex",
               [](const Canvas& c) { EquipotentialVortex(c, kX, kY); });

    const Draw vortexSource = [](const Canvas& c) {
        EquipotentialVortexSource(c, kX, kY, kBoundary);
    };
    addDefault(cases, "EquipotentialVortexSource", vortexSource);
    SettingValues spiralStress;
    spiralStress.vortexSourceStrength = 100;
    spiralStress.vortexSourceCirculation = 30;
    spiralStress.equipotentialCount = 100;
    spiralStress.equipotentialIncrement = 50;
    addStress(cases, "EquipotentialVortexSource", spiralStress, vortexSource);

    addDefault(cases, "EquipotentialDipole",
               [](const Canvas& c) { EquipotentialDipole(c, kX, kY, kMoment); });

    addDefault(cases, "EquipotentialSourceInStream",
               [](const Canvas& c) { EquipotentialSourceInStream(c, kX, kY, kStrength); });
    SettingValues streamStress;
    streamStress.equipotentialIncrement = 5;
    streamStress.fieldWidth = 2000;
    streamStress.fieldHeight = 2000;
    streamStress.sourceStrength = 3000;
    addStress(cases, "EquipotentialSourceInStream", streamStress,
              [](const Canvas& c) { EquipotentialSourceInStream(c, 100, kY, 3000); });
    cases.back().elementX = 100;
    addDefault(cases, "EquipotentialSinkInStream",
               [](const Canvas& c) { EquipotentialSinkInStream(c, kX, kY, kStrength); });

    addDefault(cases, "EquipotentialCylinder",
               [](const Canvas& c) { EquipotentialCylinder(c, kX, kY, kRadius); });
    addDefault(cases, "EquipotentialCylinderCirculation",
               [](const Canvas& c) { EquipotentialCylinderCirculation(c, kRadius, kX, kY); });
}

// A Joukowski airfoil of chord 400 at 5 degrees with the Kutta condition:
// its streamlines and then its lines of equal potential.
void addAirfoil(std::vector<Case>& cases) {
    addDefault(cases, "AirfoilLevels", [](const flow::Canvas& c) {
        using namespace flow::airfoil;
        const AirfoilGeometry geometry({400, 0.1, 0.05}, c.settings.field.width(),
                                       c.settings.field.height());
        const AirfoilFlow flow(geometry, {5, 1, true});
        drawAirfoilStreamlines(c, flow);
        drawAirfoilEquipotentials(c, flow);
    });
}

}  // namespace

std::vector<Case> allCases() {
    std::vector<Case> cases;
    addStreamlines(cases);
    addEquipotentials(cases);
    addAirfoil(cases);
    return cases;
}

}  // namespace bench
