// The main window: menus, the two tool bars, the strength panel, the memo
// panel, the workspace with the documents and the status bar. Behaviour lives
// in the handlers below, named after their controls; state lives in the
// controls themselves.
#pragma once

#include <QMainWindow>
#include <functional>

#include "dialogs/dialogs.h"

class QAction;
class QFrame;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QPlainTextEdit;
class QProgressBar;
class QRadioButton;
class QSlider;
class QStatusBar;
class QToolBar;
class QToolButton;
class TMDIChild;
class ToolGroup;

class TMainForm : public QMainWindow {
    Q_OBJECT
  public:
    explicit TMainForm(QWidget* parent = nullptr);
    ~TMainForm() override;

    // The dialogs are made after the main window; the entry hands them over.
    void setDialogs(const TDialogs& dialogs) { dialogs_ = dialogs; }
    const TDialogs& dialogs() const { return dialogs_; }

    TMDIChild* ActiveMDIChild() const;
    int MDIChildCount() const;
    QList<TMDIChild*> MDIChildren() const;

    // Enables or disables the strength panel's source row (radio button, track
    // bar, caption, value) or its sink row.
    void setStrengthRowEnabled(bool source, bool enabled);

    // Presses a tool button from code: its group's other buttons are released,
    // its click handler does not run.
    static void press(QToolButton* button);

    // Main menu.
    QAction* N8;  // "&Файл ..." (new document)
    QAction* FileCloseItem;
    QAction* FileSaveAsItem;
    QAction* FileExitItem;
    QAction* N3;   // streamline dialog
    QAction* N4;   // equipotential dialog
    QAction* N25;  // vector-style dialog
    QAction* N15;  // source/sink dialog
    QAction* N21;  // vortex settings: nothing
    QAction* N7;   // dipole dialog
    QAction* N20;  // vortex-source dialog
    QAction* N6;   // cylinder dialog
    QAction* N16;  // font
    QAction* N14;  // field-size dialog
    QAction* WindowCascadeItem;
    QAction* WindowTileItem;
    QAction* WindowMinimizeItem;
    QMenu* WindowMenu;

    // Popup menu of the pictures.
    QMenu* PopupMenu1;
    QAction* N24;
    QAction* N23;
    QAction* N19;
    QAction* N10;
    QAction* N9;
    QAction* N12;
    QAction* N13;
    QAction* N18;

    QToolBar* ToolBar1;
    QToolBar* ToolBar2;
    QToolButton* SpeedButton1;   // build streamlines
    QToolButton* SpeedButton2;   // cylinder without circulation
    QToolButton* SpeedButton3;   // new document
    QToolButton* SpeedButton4;   // source in a stream
    QToolButton* SpeedButton5;   // stream with a sink
    QToolButton* SpeedButton6;   // dipole
    QToolButton* SpeedButton7;   // text
    QToolButton* SpeedButton8;   // velocity vector
    QToolButton* SpeedButton9;   // vortex-source
    QToolButton* SpeedButton10;  // stream-speed dialog
    QToolButton* SpeedButton11;  // point source/sink
    QToolButton* SpeedButton12;  // plane vortex
    QToolButton* SpeedButton13;  // no action
    QToolButton* SpeedButton14;  // second source-sink pair button
    QToolButton* SpeedButton15;  // source-sink pair
    QToolButton* SpeedButton16;  // cylinder with circulation
    QToolButton* SpeedButton17;  // build equipotentials
    QToolButton* SpeedButton18;  // memo panel
    QToolButton* SpeedButton19;  // vector-scale dialog
    QProgressBar* Gauge1;

    // Strength panel.
    QFrame* Panel1;
    QRadioButton* RadioButton1;
    QRadioButton* RadioButton2;
    QSlider* TrackBar1;
    QSlider* TrackBar2;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;

    QFrame* Panel2;
    QPlainTextEdit* Memo;
    QMdiArea* Workspace;
    QStatusBar* StatusBar;

    // Documents and windows.
    void N8Click();
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
    void TrackBar1Change();
    void TrackBar2Change();
    void RadioButton1Click();
    void RadioButton2Click();
    void SpeedButton18Click();

    // Text labels, font, saving.
    void SpeedButton7Click();
    void N16Click();
    void FileSaveAsItemClick();

    // Construction commands.
    void SpeedButton1Click();
    void SpeedButton17Click();

  private:
    void createActions();
    void createMenus();
    void createToolBars();
    void createPanels();
    void connectHandlers();
    QToolButton* addToolButton(QToolBar* bar, const QString& name, const QString& hint, int width,
                               ToolGroup* group);
    void fillWindowMenu();
    void resetStrengthPanel();
    // Runs a tool button's row on an empty active document, or sets the
    // default pointer (the common frame of the element tool buttons).
    void armWithDialog(QToolButton* button, const std::function<void()>& row,
                       bool armsPointer = true);
    void armPair(QToolButton* clicked);
    void popupArm(QToolButton* button);
    // The strength panel's source (or sink) value into the source/sink dialog.
    void copyStrengthToDialog(bool source);

    TDialogs dialogs_;
    ToolGroup* toolGroup1_;
    ToolGroup* toolGroup2_;
    QList<QAction*> windowMenuFixed_;
};
