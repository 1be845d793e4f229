// A construction being made: its picture, the steps that drew it, the
// configuration they left, its caption, its file and its undo history. It is
// the only code that changes a construction; each change is one step of the
// history, and undoing or redoing a step draws the picture again from the
// steps that remain. Windows show it and follow its signals.
#pragma once

#include <QObject>
#include <QString>
#include <QUndoStack>
#include <functional>
#include <optional>
#include <vector>

#include "document/construction.h"
#include "document/contour.h"
#include "document/moved_element.h"
#include "document/raster_surface.h"
#include "flow/superposition/drawing.h"
#include "flow/time_marks/time_marks.h"

class BackgroundDrawing;
class ConstructionRecorder;
struct CommandRun;

class Document : public QObject {
    Q_OBJECT
  public:
    explicit Document(QObject* parent = nullptr);

    RasterSurface& surface() { return surface_; }
    bool isSuperposition() const { return superposition_; }
    void makeSuperposition() { superposition_ = true; }
    // An airfoil document: its first step is its airfoil (document_airfoil.cpp).
    bool isAirfoil() const;
    std::optional<flow::airfoil::AirfoilFlow> airfoilFlow() const;

    // The steps with the picture's size and font as they are now.
    Construction construction();
    const std::vector<ConstructionStep>& steps() const { return steps_; }
    // The configuration the last element placed left; empty when none is.
    Configuration configuration() const;
    std::vector<flow::superposition::Element> superpositionElements() const;

    // The window's caption: the title the last command wrote, or the name.
    QString caption() const;
    void setName(const QString& name);
    const QString& name() const { return name_; }
    // The construction file the document was opened from or last saved to.
    const QString& fileName() const { return fileName_; }
    void setFileName(const QString& fileName);

    // Changed since it was made, opened or saved (undoing back to the saved
    // state makes it unchanged again).
    bool isModified() const { return !history_.isClean(); }
    void markSaved() { history_.setClean(); }
    QUndoStack& history() { return history_; }

    // Each of these is one step of the history. The drawing ones draw on the
    // picture, reading the settings through `live`, and keep what they read.
    void placeElement(const ElementDrawing& element, const Configuration& configuration,
                      const flow::Settings& live);
    // Runs the command's routine with the settings held within the dialogs'
    // ranges and keeps the title it writes; true when the field was traced
    // only to its limit. With `titleFirst` the title is written also when
    // the routine stops with an error.
    bool runCommand(const CommandRun& run, const flow::Settings& live, flow::Gauge& gauge);
    // False, and nothing kept, where the velocity is not drawn.
    bool drawVelocity(const flow::VelocityInput& input, const flow::Settings& live,
                      flow::Gauge& gauge);
    void stampLabel(int x, int y, const QString& text);
    // The label drawn last whose text covers the point: its step's index.
    std::optional<std::size_t> labelAt(int x, int y) const;
    // A label's new text; an empty text removes it.
    void retypeLabel(std::size_t step, const QString& text);
    // Removes the placed element and everything drawn for it (the labels
    // stay); false when no element is placed.
    bool removeElement();

    // Superposition elements; `index` counts them in their order, and an
    // index out of range changes nothing. A stream added takes the place of
    // the stream there is.
    void addSuperpositionElement(const flow::superposition::Element& element);
    void changeSuperpositionElement(int index, const flow::superposition::Element& element);
    void removeSuperpositionElement(int index);
    // An element changed live, by a drag or the wheel: the picture follows
    // each change, drawn off the window's thread (a picture drawn for an
    // earlier change is shown while none newer is ready); finishing draws
    // the final picture exactly and keeps the whole change as one step of
    // the history, cancelling puts the element back. Starting again
    // finishes nothing: a change not finished is cancelled first. A
    // superposition element is changed by its index, an ordinary
    // document's placed element (with everything drawn for it) by how it
    // moved or grew from where the change started.
    void startLiveChange(int index);
    void startLiveElementChange();
    bool changingLive() const { return live_.has_value(); }
    void changeLive(const flow::superposition::Element& element);
    void changeLive(const ElementChange& change);
    void finishLiveChange(const QString& name);
    void cancelLiveChange();
    // The airfoil changed, one step of the history; live, while a slider is
    // dragged, as an element is (finishing keeps the drag as one step).
    void changeAirfoil(const AirfoilStep& airfoil);
    void startLiveAirfoilChange();
    void changeLive(const AirfoilStep& airfoil);
    flow::superposition::Outcome drawAirfoilLines(SuperpositionLines lines,
                                                  const flow::Settings& live, flow::Gauge& gauge);
    // False, and nothing kept, where the velocity is not drawn.
    bool drawAirfoilVelocity(flow::Point p, const flow::Settings& live, flow::Gauge& gauge);
    flow::superposition::Outcome drawSuperpositionLines(SuperpositionLines lines,
                                                        const flow::Settings& live,
                                                        flow::Gauge& gauge);
    bool drawSuperpositionVelocity(flow::Point p, const flow::Settings& live, flow::Gauge& gauge);
    // A colour map under the whole picture, drawn again with it; nothing is
    // kept when there is no element or, for pressure, no stream.
    enum class MapOutcome { Drawn, NoElement, NoStream };
    MapOutcome drawMap(flow::maps::MapQuantity quantity, const MapOptions& options,
                       const flow::Settings& live);
    // Time marks on every streamline drawn so far, and on those drawn later;
    // nothing is kept when there is no element or no streamline yet. The
    // count says how many marks were placed and how many lines end at a
    // stagnation point.
    struct MarksOutcome {
        enum { Drawn, NoElement, NoStreamlines } result;
        flow::time_marks::MarkCount count;
    };
    MarksOutcome drawTimeMarks(const flow::Settings& live);
    // A contour with its circulation and flux written beside it, in the
    // picture's font. Nothing is kept when there is no element (no reading)
    // or, unless `keepUndefined`, when its numbers are not defined.
    struct ContourOutcome {
        bool kept = false;
        std::optional<ContourReading> reading;
    };
    ContourOutcome drawContour(const ContourShape& shape, double density,
                               const flow::Settings& live, bool keepUndefined = false);
    // A frame of moving particles drawn into the picture (document_particles.cpp).
    void keepParticleSnapshot(const ParticleSnapshotStep& snapshot);

    // Takes an opened construction as the document's, with no history, and
    // draws it on the picture made for it. False when the tracer's work
    // budget left some of a superposition's lines undrawn.
    bool adopt(const Construction& construction);

    // Replaces `count` steps from `at` with `steps` and draws the picture
    // again: what the history's undo and redo do.
    void replaceSteps(std::size_t at, std::size_t count,
                      const std::vector<ConstructionStep>& steps);

  signals:
    // The steps changed: the configuration, caption and marks may differ.
    void stepsChanged();
    void captionChanged(const QString& caption);
    // Drawn whole again and the work budget left some lines undrawn.
    void linesCutShort();

  private:
    // Runs `draw`, which appends steps to the construction, and keeps what it
    // appended as one step of the history, also when it stops with an error.
    void record(const QString& name, const std::function<void(ConstructionRecorder&)>& draw);
    // Keeps the steps from `from` on, just drawn, as one step of the history.
    void keepAsStep(const QString& name, std::size_t from);
    // Keeps a change of the steps already made as one step of the history.
    void keepChange(const QString& name, std::size_t at, std::vector<ConstructionStep> before,
                    std::vector<ConstructionStep> after);
    bool drawnOnTop(const std::vector<ConstructionStep>& added) const;
    // The white picture again with every step drawn on it.
    void redrawPicture();
    void announce(const QString& captionBefore);
    std::optional<std::size_t> superpositionStep(int index) const;

    // The steps changed live, from `at`, as they were before.
    struct LiveChange {
        std::size_t at = 0;
        std::vector<ConstructionStep> before;
    };
    std::optional<LiveChange> live_;
    void startLive(std::size_t at, std::size_t count);
    // Takes the change out; false when it never changed a step.
    bool endLive(LiveChange& change);
    // The live steps changed: a picture is asked for.
    void requestLivePicture(const QString& captionBefore);
    BackgroundDrawing* background_ = nullptr;  // made at the first live change
    std::uint64_t firstLivePicture_ = 0;       // the live change's first request
    std::uint64_t shownLivePicture_ = 0;
    void showLivePicture(const QImage& picture, std::uint64_t request);
    RasterSurface surface_;
    std::vector<ConstructionStep> steps_;
    bool superposition_ = false;
    QString name_;
    QString fileName_;
    QUndoStack history_;
};
