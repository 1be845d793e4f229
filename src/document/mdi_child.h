// A document window: the flow field's picture, the slots that record the
// placed elements, the label editor, the velocity marker and the theta label.
// It reports what happens on its picture with signals; the main window
// decides what that means.
#pragma once

#include <QMdiSubWindow>
#include <cstdint>
#include <stdexcept>

#include "document/construction.h"
#include "document/construction_recorder.h"
#include "document/raster_surface.h"

class QLabel;
class QLineEdit;
class QScrollArea;
class TImage;
class TShape;

namespace flow {
class FieldSettings;
class Gauge;
struct Settings;
}  // namespace flow

// A picture the document cannot have for want of memory.
class PictureRefused : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class TMDIChild : public QMdiSubWindow {
    Q_OBJECT
  public:
    TMDIChild();

    RasterSurface& surface() { return surface_; }
    bool isClosing() const { return closing_; }

    // Makes the white picture of the field size. A size that is no integer
    // or out of bounds throws; the document then gets a white picture as
    // large as its picture area at the first use of its surface. A picture
    // that would take the open documents' pictures (`picturesInUse` bytes)
    // past the memory budget, or whose memory cannot be had, throws
    // PictureRefused: the document must not open.
    void createPicture(const flow::FieldSettings& field, std::int64_t picturesInUse);
    void createPicture(QSize size, std::int64_t picturesInUse);

    // What has been drawn on the picture, step by step, with the picture's
    // size and font as they are now.
    Construction construction();
    // Something was drawn since the document was made, opened or saved.
    bool isModified() const { return modified_; }
    void markSaved() { modified_ = false; }

    // Drawing kept as steps of the construction: each draws on the picture,
    // reading the settings through `live`, and keeps what it read.
    void drawPlacedElement(const ElementDrawing& element, const flow::Settings& live);
    // With the settings held within the dialogs' ranges; true when the field
    // was traced only to its limit.
    bool runRoutine(const flow::RoutineCall& call, const flow::Settings& live, flow::Gauge& gauge);
    void drawVelocity(const flow::VelocityInput& input, const flow::Settings& live,
                      flow::Gauge& gauge);
    void stampLabel(int x, int y, const QString& text);
    // The title the last construction command wrote, kept with it.
    void keepCommandTitle(const QString& title);
    // Makes the picture of an opened construction: draws its steps on a new
    // white picture of its field size (refused as createPicture says) and
    // takes its configuration and font. False when the tracer's work budget
    // left some of a superposition's lines undrawn.
    bool adoptConstruction(const Construction& construction, std::int64_t picturesInUse);

    // A superposition document: any number of elements, kept as steps of
    // its construction; every change draws the picture again from them.
    bool isSuperposition() const { return superposition_; }
    void makeSuperposition() { superposition_ = true; }
    std::vector<flow::superposition::Element> superpositionElements() const;
    // Adds the element; a stream takes the place of the stream there is.
    void addSuperpositionElement(const flow::superposition::Element& element);
    // The element at `index` (in the order of superpositionElements) changed
    // or removed; an index out of range changes nothing.
    void changeSuperpositionElement(int index, const flow::superposition::Element& element);
    void removeSuperpositionElement(int index);
    // Drawn on the picture as it is and kept as a step, like the commands.
    flow::superposition::Outcome drawSuperpositionLines(SuperpositionLines lines,
                                                        const flow::Settings& live,
                                                        flow::Gauge& gauge);
    // False, and nothing kept, where the elements give no velocity.
    bool drawSuperpositionVelocity(flow::Point p, const flow::Settings& live, flow::Gauge& gauge);

    // The construction file the document was opened from or last saved to.
    const QString& constructionFile() const { return constructionFile_; }
    void setConstructionFile(const QString& fileName) { constructionFile_ = fileName; }

    // The theta label beside a cylinder of radius r centred at (x, y).
    void showThetaLabel(int x, int y, int r);

    // The pointer shape over the picture is the document's armed flag.
    Qt::CursorShape pointer() const;
    void setPointer(Qt::CursorShape shape);

    // The velocity marker follows the pointer over drawn pixels of the
    // picture while the velocity tool is down, and hides elsewhere and when
    // the pointer leaves the picture.
    void trackMarker(int x, int y, bool velocityToolDown);
    // Whether the marker can be at (x, y): a drawn pixel of the picture.
    bool carriesMarker(int x, int y) const;

    TImage* Image;
    QLineEdit* EditText;
    TShape* Shape1;
    QLabel* Image1;
    QLabel* Image2;

    QLabel* XCIL;
    QLabel* YCIL;
    QLabel* RCIL;
    QLabel* Istok;
    QLabel* Stok;
    QLabel* X2;
    QLabel* Y2;
    QLabel* ISTOK2;
    QLabel* STOK2;
    QLabel* Dipol;
    QLabel* Vihrestok;
    QLabel* IorS;
    QLabel* Vihr;
    QLabel* A;

    void ImageMouseMove(int x, int y);
    void ImageMouseDown(Qt::MouseButton button, int x, int y);
    void Shape1MouseDown();
    void showPopupMenu(const QPoint& globalPos);

  signals:
    void pictureClicked(Qt::MouseButton button, QPoint at);
    void pointerMoved(QPoint at);
    void markerClicked();
    void popupRequested(QPoint globalPos);
    // A superposition's elements changed.
    void superpositionChanged();
    // Drawn again after a change, some of a superposition's lines were left
    // out for want of work.
    void linesCutShort();

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void makeSlots(QWidget* holder);
    ConstructionRecorder recorder() { return {surface_, steps_}; }
    void fitPicture();
    // The white picture again, with every step drawn on it.
    void redrawPicture();
    // The step of the superposition element at `index`, or null.
    SuperpositionElementStep* superpositionStep(int index);

    RasterSurface surface_;
    QScrollArea* pictureArea_;
    bool closing_ = false;
    bool pictureRefused_ = false;
    std::vector<ConstructionStep> steps_;
    bool modified_ = false;
    bool superposition_ = false;
    QString constructionFile_;
};
