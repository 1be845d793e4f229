// The chart of the pressure along a body: Cp against the angle or x, the
// field's samples beside a cylinder's exact curve, the stagnation points and
// the lowest pressure marked and named. Painted on any device, so that the
// window, the PNG and the SVG show the same chart; written to a file as a
// picture or as the samples' CSV.
#pragma once

#include <QRectF>
#include <QSize>
#include <QString>

#include "document/body_pressure.h"

class QPainter;

inline constexpr QSize kPressureChartSize{800, 500};

void paintPressureChart(QPainter& painter, const QRectF& area, const BodyPressure& body);

// PNG, SVG or CSV as the name's extension (in any case) says; false for
// another extension. Written aside and put in place only when complete;
// throws std::runtime_error naming the file when it cannot be written.
bool writePressureChart(const BodyPressure& body, const QString& fileName,
                        QSize size = kPressureChartSize);
