// The main window: menus, the two tool bars, the strength panel, the memo
// panel, the workspace with the documents and the status bar. It connects
// the documents' and the dialogs' signals to its handlers in one place.
// Behaviour lives in the handlers below, named after their controls; state
// lives in the controls themselves.
//
// The controls are private and named by their role; users' tools and the
// tests find them by their object names:
//
//   newDocumentItem                                N8
//   newSuperpositionItem                           SuperpositionItem
//   newAirfoilItem                                 AirfoilItem
//   closeItem                                      FileCloseItem
//   saveAsItem                                     FileSaveAsItem
//   exitItem                                       FileExitItem
//   openConstructionItem                           OpenConstructionItem
//   saveConstructionItem                           SaveConstructionItem
//   saveConstructionAsItem                         SaveConstructionAsItem
//   printItem                                      PrintItem
//   copyItem                                       CopyItem
//   recentFiles_ (its menu)                        RecentConstructionsMenu
//   undoItem, redoItem (menu EditMenu)             UndoItem, RedoItem
//   deleteElementItem (also in the popup)          DeleteElementItem
//   streamlineSettingsItem                         N3
//   equipotentialSettingsItem                      N4
//   vectorSettingsItem                             N25
//   colourMapSettingsItem                          ColourMapItem
//   sourceSinkSettingsItem                         N15
//   vortexSettingsItem                             N21
//   dipoleSettingsItem                             N7
//   vortexSourceSettingsItem                       N20
//   cylinderSettingsItem                           N6
//   airfoilSettingsItem                            AirfoilSettingsItem
//   fontItem                                       N16
//   fieldSizeItem                                  N14
//   pressureWindowItem                             PressureWindowItem
//   cascadeItem                                    WindowCascadeItem
//   tileItem                                       WindowTileItem
//   minimizeAllItem                                WindowMinimizeItem
//   windowMenu                                     Window1
//   elementPopup                                   PopupMenu1
//   pointSourceItem                                N24
//   vortexItem                                     N23
//   dipoleItem                                     N19
//   vortexSourceItem                               N10
//   cylinderItem                                   N9
//   sourceItem                                     N12
//   sinkItem                                       N13
//   textItem                                       N18
//   elementBar                                     ToolBar1
//   pictureBar                                     ToolBar2
//   streamlineCommand                              SpeedButton1
//   cylinderTool                                   SpeedButton2
//   newDocumentButton                              SpeedButton3
//   sourceInStreamTool                             SpeedButton4
//   sinkInStreamTool                               SpeedButton5
//   dipoleTool                                     SpeedButton6
//   textTool                                       SpeedButton7
//   velocityTool                                   SpeedButton8
//   vortexSourceTool                               SpeedButton9
//   streamSpeedButton                              SpeedButton10
//   pointSourceTool                                SpeedButton11
//   vortexTool                                     SpeedButton12
//   idleButton                                     SpeedButton13
//   secondPairTool                                 SpeedButton14
//   pairTool                                       SpeedButton15
//   cylinderCirculationTool                        SpeedButton16
//   equipotentialCommand                           SpeedButton17
//   speedMapCommand                                SpeedMapButton
//   pressureMapCommand                             PressureMapButton
//   timeMarksCommand                               TimeMarksButton
//   memoButton                                     SpeedButton18
//   contourTool, densityBox                        ContourButton, DensityBox
//   airfoilButton                                  AirfoilButton
//   particlesButton                                ParticlesButton
//   particles_ (the particles' tool bar)           see particle_controls.h
//   vectorScaleButton                              SpeedButton19
//   gauge                                          Gauge1
//   strengthPanel                                  Panel1
//   source row: choice, strength, caption, value   RadioButton1, TrackBar1, Label1, Label3
//   sink row: choice, strength, caption, value     RadioButton2, TrackBar2, Label2, Label4
//   memoPanel                                      Panel2
//   memo                                           Memo
//   workspace                                      Workspace
//   statusLine                                     StatusBar
//   superpositionPanel (dock, table)               SuperpositionDock, SuperpositionTable
#pragma once

#include <QElapsedTimer>
#include <QLineF>
#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "app/contour_draft.h"
#include "app/particle_controls.h"
#include "dialogs/dialogs.h"
#include "document/flow_commands.h"
#include "flow/maps/value_map.h"

class QAction;
class QDoubleSpinBox;
class QDragEnterEvent;
class QDropEvent;
class RecentFiles;
struct PlacingValues;
class QFrame;
class QLabel;
class QMdiArea;
class QMenu;
class QPlainTextEdit;
class QProgressBar;
class QRadioButton;
class QSlider;
class QStatusBar;
class QUndoGroup;
class QTimer;
class ElementDrag;
class QToolBar;
class QToolButton;
class TMDIChild;
class ToolGroup;
class SuperpositionPanel;
class PressureWindow;
class ParticleAnimation;
namespace flow::particles {
struct FrameCount;
}  // namespace flow::particles
enum class SuperpositionLines;

// The strength panel's two rows: the source's and the sink's.
enum class StrengthRow { Source, Sink };

// Why a command or a click changed nothing on the active document.
enum class Unchanged {
    NoElement,
    NoEquipotentials,
    ElementPresent,
    NoCylinderInSuperposition,
    NotOnLine
};

class TMainForm : public QMainWindow {
    Q_OBJECT
  public:
    explicit TMainForm(QWidget* parent = nullptr);
    ~TMainForm() override;

    // The dialogs are made after the main window; the entry hands them over.
    void setDialogs(const TDialogs& dialogs);
    const TDialogs& dialogs() const { return dialogs_; }

    TMDIChild* ActiveMDIChild() const;
    int MDIChildCount() const;
    QList<TMDIChild*> MDIChildren() const;

    // Presses a tool button from code: its group's other buttons are released,
    // its click handler does not run.
    static void press(QToolButton* button);

    // Documents and windows.
    void N8Click();
    void newSuperpositionClick();
    void newAirfoilClick();
    // The airfoil's dialog for the active airfoil document, or a new one.
    void airfoilButtonClick();
    void FileCloseItemClick();
    void FileExitItemClick();
    void WindowCascadeItemClick();
    void WindowTileItemClick();
    void WindowMinimizeItemClick();
    void UpdateMenuItems();

    // Element tools, popup menu, strength panel, memo panel.
    void SpeedButton11Click();
    void SpeedButton12Click();
    void SpeedButton6Click();
    void SpeedButton9Click();
    void N11Click();  // SpeedButton2
    void SpeedButton16Click();
    void SpeedButton4Click();
    void SpeedButton5Click();
    void SpeedButton14Click();
    void SpeedButton15Click();
    void N24Click();
    void N23Click();
    void N19Click();
    void N10Click();
    void N9Click();
    void N12Click();
    void N13Click();
    void N18Click();
    void PopupMenu1Popup();
    void TrackBarChange(StrengthRow row);
    void RadioButtonClick(StrengthRow row);
    void SpeedButton18Click();

    // Text labels, font, saving.
    void SpeedButton7Click();
    void N16Click();
    void FileSaveAsItemClick();

    // Construction commands.
    void SpeedButton1Click();
    void SpeedButton17Click();
    // The colour maps of the speed and the pressure (colour_map_commands.cpp).
    void speedMapClick();
    void pressureMapClick();
    // Time marks on the streamlines drawn (time_marks_commands.cpp).
    void timeMarksClick();
    // The window of the pressure along the active document's body
    // (pressure_window_item.cpp): shown, and made first when it is not.
    void pressureWindowClick();

    // Keeping constructions and pictures (construction_files.cpp,
    // picture_output.cpp).
    void OpenConstructionItemClick();
    void PrintItemClick();
    void CopyItemClick();
    // Opens the construction file in a new document; false (after saying
    // why) when the file was refused.
    bool openConstruction(const QString& fileName);
    // The window's size, place and bars as they were when the program was
    // last left (window_placement.cpp); false when nothing was kept.
    bool restorePlacement();

    // What happens on a document: placing by a click on its picture, pointer
    // tracking, the velocity vectors by a click on the marker, its popup
    // menu, and its becoming the active document.
    void ImageMouseDown(TMDIChild& document, int x, int y);
    void ImageMouseMove(TMDIChild& document, int x, int y);
    void Shape1MouseDown(TMDIChild& document);
    void FormActivate(TMDIChild& document);

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Construction files dropped on the window open (file_drop.cpp).
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    struct StrengthRowControls {
        QRadioButton* choice;
        QSlider* strength;
        QLabel* caption;
        QLabel* value;
    };

    // A new document, ordinary or a superposition; nothing when its picture
    // was refused.
    TMDIChild* openNewDocument(bool superposition);
    void createActions();
    void createMenus();
    void createToolBars();
    void createPanels();
    void connectHandlers();
    void connectDialogs();
    void connectDocument(TMDIChild* document);
    // The memory the open documents' pictures take, in bytes.
    std::int64_t picturesInUse() const;
    void addKeepingItems(QMenu* fileMenu);
    // Undo, redo and removing (edit_menu.cpp); the items follow the active
    // document's history.
    void addEditMenu();
    void followHistory(TMDIChild* document);
    void stepHistory(bool back);
    void followSteps(TMDIChild& document);
    void deleteElementClick();
    // Moving an element with the mouse (element_dragging.cpp): started by a
    // press on its mark (or a cylinder's outline) with no tool armed.
    bool startDrag(TMDIChild& document, QPoint at);
    void dragTo(TMDIChild& document, QPoint at);
    void endDrag(bool keep);
    // The wheel over a superposition element's mark (strength_wheel.cpp).
    // False when no mark is under the wheel.
    bool turnStrength(TMDIChild& document, QPoint at, int notches, bool tenfold);
    void finishWheelSeries();
    // Esc and the blank tool button: the element tools let go.
    void disarmElementTools();
    std::array<QToolButton*, 10> elementToolButtons() const;
    bool elementToolDown() const;
    // Writes to the document's file, asking for one only when it has none;
    // the "as" one always asks. True when the construction was written.
    bool saveConstruction(TMDIChild& document);
    bool saveConstructionAs(TMDIChild& document);
    bool writeConstruction(TMDIChild& document, const QString& fileName);
    // The main window's title follows the active document (window_title.cpp).
    void keepTitleWithActiveDocument();
    void showActiveDocumentInTitle();
    // Opens a file of the recent list; a file gone is dropped from it.
    void openRecent(const QString& fileName);
    void savePlacement();
    bool confirmClose(TMDIChild& document);
    QToolButton* addToolButton(QToolBar* bar, const QString& name, const QString& hint, int width,
                               ToolGroup* group);
    void fillWindowMenu();

    StrengthRowControls& strengthRow(StrengthRow row);
    void setStrengthRowEnabled(StrengthRow row, bool enabled);
    void chooseStrengthRow(StrengthRow row);
    void resetStrengthPanel();
    // The strength panel's row value into the source/sink dialog, and back.
    void copyStrengthToDialog(StrengthRow row);
    void copyStrengthsFromDialog();

    // Runs a tool button's row on an empty active document, or sets the
    // default pointer (the common frame of the element tool buttons).
    void armWithDialog(QToolButton* button, const std::function<void()>& row,
                       bool armsPointer = true);
    void armPair(QToolButton* clicked);
    void armStreamTool(QToolButton* tool, bool source);
    void popupArm(QToolButton* button);
    // Says in the status bar why nothing happened, until the pointer moves.
    void explain(Unchanged why);
    // Says why a click on the picture changed nothing: an element tool left
    // down after it was refused, or the velocity tool down where the marker
    // cannot be.
    void explainIdleClick(TMDIChild& document, int x, int y);

    // Superposition documents (superposition_tools.cpp): the element the
    // tool that is down adds (false when no element tool is down), the
    // lines commands, the velocity click, and the panel that follows the
    // active document.
    bool placeSuperpositionElement(TMDIChild& document, int x, int y);
    void drawSuperpositionLines(TMDIChild& document, SuperpositionLines lines);
    // Says in the status line that the work budget left lines undrawn.
    void reportLinesCutShort();
    void drawSuperpositionVelocity(TMDIChild& document);
    // Airfoil documents (airfoil_tools.cpp; the velocity in velocity_click.cpp,
    // the lines as a superposition's):
    // the dialog follows the active one and changes its airfoil.
    void connectAirfoilDialog();
    void followAirfoil();
    void showAirfoilNumbers();
    void drawAirfoilVelocity(TMDIChild& document);
    void followActiveDocument();

    void drawColourMap(flow::maps::MapQuantity quantity);

    // The contour tool (contour_commands.cpp): the mouse on a document's
    // picture while it is down; a press it took is no other tool's.
    bool contourPress(TMDIChild& document, QPoint at);
    void contourMove(TMDIChild& document, QPoint at);
    void contourRelease(TMDIChild& document, QPoint at);
    void contourClose(TMDIChild& document);
    void cancelContour();
    void finishContour(TMDIChild& document, const std::optional<ContourShape>& shape);

    // Moving particles over the active document (particles_bar.cpp,
    // particles_commands.cpp): one animation at a time, which goes when its
    // document closes or another becomes the active one.
    void createParticlesBar();
    void connectParticles();
    void particlesPlayClick();
    void particlesStepClick();
    void particlesSnapshotClick();
    // The animation of the active document, made when there is none;
    // nothing without a document, or (after saying so) for an airfoil's.
    ParticleAnimation* particlesOfActiveDocument();
    void stopParticles();
    void followParticleFlow(TMDIChild& document);
    void reportParticles(const flow::particles::FrameCount& count);
    void showPlayState();
    void releaseParticlesAnew();
    // The release line drawn with the mouse while its button is down; a
    // press it took is no other tool's.
    bool particleLinePress(TMDIChild& document, QPoint at);
    void particleLineMove(TMDIChild& document, QPoint at);
    void particleLineRelease(TMDIChild& document, QPoint at);
    // Esc: the release line being drawn goes, and the line button lets go.
    void cancelParticleLine();

    // Placing (element_placing.cpp).
    void carryOut(TMDIChild& document, const flow::Settings& settings, const CommandPlan& plan);
    // What placing reads from the dialogs and the strength panel now.
    PlacingValues placingValues();
    void placePairPoint(TMDIChild& document, int x, int y, bool second);
    void placeCylinder(TMDIChild& document, int x, int y);

    TDialogs dialogs_;
    ToolGroup* elementTools_;
    ToolGroup* pictureTools_;
    QList<QAction*> windowMenuFixed_;
    RecentFiles* recentFiles_;
    QUndoGroup* histories_;
    std::unique_ptr<ElementDrag> drag_;
    // The element the wheel is changing, until a second passes without a notch.
    struct WheeledElement {
        QPointer<TMDIChild> document;
        int index = -1;
    } wheeled_;
    QTimer* wheelSeries_;
    ContourDraft contourDraft_;
    QPointer<TMDIChild> contourDocument_;  // the document the draft is drawn on
    ParticleControls particles_;
    QPointer<ParticleAnimation> animation_;
    QPointer<TMDIChild> animated_;  // the document the particles move on
    // The release line: being drawn from its first end, and drawn.
    std::optional<QPoint> lineStart_;
    std::optional<QLineF> releaseLine_;
    QElapsedTimer particlesReported_;  // since the status line last counted them
    bool leaving_ = false;  // the program is closing: its documents go without a question

    // Main menu.
    QAction* newDocumentItem;
    QAction* newSuperpositionItem;
    QAction* newAirfoilItem;
    QAction* closeItem;
    QAction* saveAsItem;
    QAction* exitItem;
    QAction* openConstructionItem;
    QAction* saveConstructionItem;
    QAction* saveConstructionAsItem;
    QAction* printItem;
    QAction* copyItem;
    QAction* undoItem;
    QAction* redoItem;
    QAction* deleteElementItem;
    QAction* streamlineSettingsItem;
    QAction* equipotentialSettingsItem;
    QAction* vectorSettingsItem;
    QAction* colourMapSettingsItem;
    QAction* sourceSinkSettingsItem;
    QAction* vortexSettingsItem;  // does nothing
    QAction* dipoleSettingsItem;
    QAction* vortexSourceSettingsItem;
    QAction* cylinderSettingsItem;
    QAction* airfoilSettingsItem;
    QAction* fontItem;
    QAction* fieldSizeItem;
    QAction* pressureWindowItem;
    PressureWindow* pressureWindow_ = nullptr;
    QAction* cascadeItem;
    QAction* tileItem;
    QAction* minimizeAllItem;
    QMenu* windowMenu;

    // Popup menu of the pictures.
    QMenu* elementPopup;
    QAction* pointSourceItem;
    QAction* vortexItem;
    QAction* dipoleItem;
    QAction* vortexSourceItem;
    QAction* cylinderItem;
    QAction* sourceItem;
    QAction* sinkItem;
    QAction* textItem;

    QToolBar* elementBar;
    QToolBar* pictureBar;
    QToolButton* streamlineCommand;
    QToolButton* cylinderTool;
    QToolButton* newDocumentButton;
    QToolButton* sourceInStreamTool;
    QToolButton* sinkInStreamTool;
    QToolButton* dipoleTool;
    QToolButton* textTool;
    QToolButton* velocityTool;
    QToolButton* vortexSourceTool;
    QToolButton* streamSpeedButton;
    QToolButton* pointSourceTool;
    QToolButton* vortexTool;
    QToolButton* idleButton;  // no action
    QToolButton* secondPairTool;
    QToolButton* pairTool;
    QToolButton* cylinderCirculationTool;
    QToolButton* equipotentialCommand;
    QToolButton* speedMapCommand;
    QToolButton* pressureMapCommand;
    QToolButton* timeMarksCommand;
    QToolButton* memoButton;
    QToolButton* vectorScaleButton;
    QToolButton* contourTool;
    QDoubleSpinBox* densityBox;  // ρ of a cylinder's lift
    QToolButton* airfoilButton;
    QToolButton* particlesButton;
    QProgressBar* gauge;

    QFrame* strengthPanel;
    std::array<StrengthRowControls, 2> strengthRows_;

    QFrame* memoPanel;
    QPlainTextEdit* memo;
    QMdiArea* workspace;
    QStatusBar* statusLine;
    SuperpositionPanel* superpositionPanel;
};
