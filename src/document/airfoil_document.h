// An airfoil document's flow: the parameters its airfoil step holds, by
// name and within their ranges, the flow they make on a picture of a given
// size, its numbers as text, and its lines, outline and velocity drawn.
#pragma once

#include <QSize>
#include <QString>
#include <optional>

#include "document/construction.h"

// The airfoil a new document shows: its chord half the field's width.
AirfoilStep defaultAirfoil(QSize field);
// An airfoil document's airfoil: its first step; nothing for another document.
const AirfoilStep* airfoilOf(const std::vector<ConstructionStep>& steps);
flow::airfoil::AirfoilFlow airfoilFlow(const AirfoilStep& airfoil, QSize field);

// "Г = …; C_L = …; подъёмная сила ρUГ = …" for the density given.
QString airfoilNumbersText(const flow::airfoil::AirfoilFlow& flow, double density = 1);

void drawAirfoilOutline(flow::Surface& surface, const flow::airfoil::AirfoilFlow& flow);
flow::superposition::Outcome drawAirfoilLines(const flow::Canvas& canvas, SuperpositionLines lines,
                                              const flow::airfoil::AirfoilFlow& flow);
// Nothing inside the airfoil, at its sharp edge or at a stagnation point.
std::optional<flow::VelocityNumbers> airfoilVelocityAt(const flow::airfoil::AirfoilFlow& flow,
                                                       flow::Point p);
// False, and nothing drawn, where airfoilVelocityAt gives nothing.
bool drawAirfoilVelocity(const flow::Canvas& canvas, const flow::airfoil::AirfoilFlow& flow,
                         flow::Point p);
