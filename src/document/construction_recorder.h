// Drawing kept as steps of a construction, as a document keeps it: each step
// draws on the picture, reading the settings through `live`, and keeps what
// it read. Documents and the command-line renderer record alike through it.
#pragma once

#include <QSize>
#include <QString>
#include <vector>

#include "document/construction.h"

class ConstructionRecorder {
  public:
    // Time marks on new streamlines stay within the picture's size.
    ConstructionRecorder(PictureSurface& surface, std::vector<ConstructionStep>& steps,
                         QSize picture)
        : surface_(surface), steps_(steps), picture_(picture) {}

    // The element's symbols; the step keeps the configuration it left.
    void placeElement(const ElementDrawing& element, const Configuration& configuration,
                      const flow::Settings& live);
    // Runs the routine with the settings held within the dialogs' ranges;
    // true when the field was traced only to its limit. Streamlines drawn
    // here and below while the marks are on carry them.
    bool runRoutine(const flow::RoutineCall& call, const flow::Settings& live, flow::Gauge& gauge);
    // A point where the velocity is not drawn leaves the picture and the
    // steps as they are: false.
    bool drawVelocity(const flow::VelocityInput& input, const flow::Settings& live,
                      flow::Gauge& gauge);
    void stampLabel(int x, int y, const QString& text);
    // A superposition's lines and velocity for its elements; a point where
    // the velocity is not drawn leaves the picture and the steps as they
    // are: false.
    flow::superposition::Outcome drawSuperpositionLines(
        SuperpositionLines lines, const std::vector<flow::superposition::Element>& elements,
        const flow::Settings& live, flow::Gauge& gauge);
    bool drawSuperpositionVelocity(flow::Point p,
                                   const std::vector<flow::superposition::Element>& elements,
                                   const flow::Settings& live, flow::Gauge& gauge);
    // The title the last construction command wrote, kept with it.
    void keepCommandTitle(const QString& title);

  private:
    PictureSurface& surface_;
    std::vector<ConstructionStep>& steps_;
    QSize picture_;
};
