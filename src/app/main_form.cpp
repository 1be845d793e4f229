#include "app/main_form.h"

#include <QAction>
#include <QApplication>
#include <QDoubleSpinBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QSlider>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QUndoGroup>
#include <QVBoxLayout>
#include <algorithm>

#include "app/element_drag.h"
#include "app/glyphs.h"
#include "app/help_menu.h"
#include "app/menu_item.h"
#include "app/superposition_panel.h"
#include "app/tool_group.h"
#include "dialogs/dialog_style.h"
#include "dialogs/track_bar.h"
#include "document/construction_limits.h"
#include "document/mdi_child.h"

namespace {

QFrame* separatorLine(int width) {
    auto* line = new QFrame;
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setFixedSize(width, 23);
    return line;
}

}  // namespace

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent) {
    setObjectName("MainForm");
    QFont font("DejaVu Sans");
    font.setPixelSize(11);
    setFont(font);
    // Size and place when restored from maximized.
    setGeometry(129, 114, 671, 400);
    setAcceptDrops(true);

    elementTools_ = new ToolGroup(this);
    pictureTools_ = new ToolGroup(this);
    createActions();
    createMenus();
    createToolBars();
    createPanels();
    connectHandlers();
    connectParticles();
    keepTitleWithActiveDocument();
    UpdateMenuItems();
}

// The documents are destroyed with the workspace after this; their going must
// not reach the menu upkeep of a half-destroyed window.
TMainForm::~TMainForm() {
    disconnect(workspace, nullptr, this, nullptr);
    disconnect(histories_, nullptr, this, nullptr);
}

void TMainForm::createActions() {
    newDocumentItem = makeMenuItem(this, "N8", "&Файл ...");
    newSuperpositionItem = makeMenuItem(this, "SuperpositionItem", "&Суперпозиция",
                                        "Create a field for any number of elements");
    newAirfoilItem = makeMenuItem(this, "AirfoilItem", "Профиль &Жуковского",
                                  "Create a field with a Joukowski airfoil in a stream");
    closeItem = makeMenuItem(this, "FileCloseItem", "&Закрыть", "Close current file");
    saveAsItem =
        makeMenuItem(this, "FileSaveAsItem", "Сохранить &как ...", "Save current file as...");
    exitItem = makeMenuItem(this, "FileExitItem", "В&ыход", "Exit the application");
    streamlineSettingsItem = makeMenuItem(this, "N3", "&Линии тока ...");
    equipotentialSettingsItem = makeMenuItem(this, "N4", "Линии равного &потенциала ...");
    vectorSettingsItem = makeMenuItem(this, "N25", "&Вектора скорости ...");
    colourMapSettingsItem = makeMenuItem(this, "ColourMapItem", "Цветовая &карта ...");
    sourceSinkSettingsItem = makeMenuItem(this, "N15", "Настройки Стока\\&Истока ...");
    vortexSettingsItem = makeMenuItem(this, "N21", "Настройки В&ихря ...");
    dipoleSettingsItem = makeMenuItem(this, "N7", "Настройки &Диполя ...");
    vortexSourceSettingsItem = makeMenuItem(this, "N20", "Настройки &ВихреСтока\\Истока ...");
    cylinderSettingsItem = makeMenuItem(this, "N6", "Настройки &Цилиндра ...");
    airfoilSettingsItem = makeMenuItem(this, "AirfoilSettingsItem", "Профиль Жуковского ...");
    fontItem = makeMenuItem(this, "N16", "&Шрифт...");
    fieldSizeItem = makeMenuItem(this, "N14", "Файл ...");
    pressureWindowItem = makeMenuItem(this, "PressureWindowItem", "Давление на пове&рхности ...",
                                      "Cp along the body of the active document's flow");
    cascadeItem =
        makeMenuItem(this, "WindowCascadeItem", "Окна &каскадом", "Arrange windows to overlap");
    tileItem = makeMenuItem(this, "WindowTileItem", "Окна &сверху вниз",
                            "Arrange windows without overlap");
    minimizeAllItem =
        makeMenuItem(this, "WindowMinimizeItem", "Св&ернуть  все окна", "Minimize all windows");

    pointSourceItem = makeMenuItem(this, "N24", "&Т. Источник\\Сток");
    vortexItem = makeMenuItem(this, "N23", "Ви&хрь");
    dipoleItem = makeMenuItem(this, "N19", "&Диполь");
    vortexSourceItem = makeMenuItem(this, "N10", "&Вихресток");
    cylinderItem = makeMenuItem(this, "N9", "&Цилиндр");
    sourceItem = makeMenuItem(this, "N12", "&Исток");
    sinkItem = makeMenuItem(this, "N13", "&Сток");
    textItem = makeMenuItem(this, "N18", "Текст");
}

void TMainForm::createMenus() {
    QMenu* fileMenu = menuBar()->addMenu("&Действие");
    fileMenu->setObjectName("File1");
    fileMenu->menuAction()->setStatusTip("File related commands");
    QMenu* newMenu = fileMenu->addMenu("&Новый");
    newMenu->setObjectName("FileNewItem");
    newMenu->menuAction()->setStatusTip("Create a new file");
    newMenu->addAction(newDocumentItem);
    newMenu->addAction(newSuperpositionItem);
    newMenu->addAction(newAirfoilItem);
    fileMenu->addAction(closeItem);
    fileMenu->addAction(saveAsItem);
    addKeepingItems(fileMenu);
    fileMenu->addSeparator();
    fileMenu->addAction(exitItem);
    addEditMenu();

    QMenu* settingsMenu = menuBar()->addMenu("&Настройки");
    settingsMenu->setObjectName("N2");
    settingsMenu->addActions({streamlineSettingsItem, equipotentialSettingsItem, vectorSettingsItem,
                              colourMapSettingsItem});
    settingsMenu->addSeparator();
    settingsMenu->addActions({sourceSinkSettingsItem, vortexSettingsItem, dipoleSettingsItem,
                              vortexSourceSettingsItem, cylinderSettingsItem, airfoilSettingsItem});
    settingsMenu->addSeparator();
    settingsMenu->addActions({fontItem, fieldSizeItem});
    settingsMenu->addSeparator();
    settingsMenu->addAction(pressureWindowItem);

    windowMenu = menuBar()->addMenu("&Окна");
    windowMenu->setObjectName("Window1");
    windowMenu->menuAction()->setStatusTip("Window related commands such as Tile and Cascade");
    windowMenuFixed_ = {cascadeItem, tileItem, minimizeAllItem};
    windowMenu->addActions(windowMenuFixed_);
    connect(windowMenu, &QMenu::aboutToShow, this, &TMainForm::fillWindowMenu);
    addHelpMenu(this);

    elementPopup = new QMenu(this);
    elementPopup->setObjectName("PopupMenu1");
    elementPopup->addActions({pointSourceItem, vortexItem, dipoleItem});
    elementPopup->addSeparator()->setObjectName("N22");
    elementPopup->addActions({vortexSourceItem, cylinderItem, sourceItem, sinkItem});
    elementPopup->addSeparator()->setObjectName("N17");
    elementPopup->addAction(textItem);
    elementPopup->addSeparator();
    elementPopup->addAction(deleteElementItem);
    connect(elementPopup, &QMenu::aboutToShow, this, &TMainForm::PopupMenu1Popup);
}

QToolButton* TMainForm::addToolButton(QToolBar* bar, const QString& name, const QString& hint,
                                      int width, ToolGroup* group) {
    auto* button = new QToolButton(bar);
    button->setObjectName(name);
    button->setToolTip(hint);
    button->setStatusTip(hint);
    button->setAutoRaise(true);
    button->setFixedSize(width, 23);
    button->setIcon(glyphFor(name));
    if (group) group->add(button);
    bar->addWidget(button);
    return button;
}

void TMainForm::createToolBars() {
    elementBar = addToolBar("ToolBar1");
    elementBar->setObjectName("ToolBar1");
    elementBar->setMovable(false);
    elementBar->setIconSize(QSize(16, 16));
    auto* g = elementTools_;
    newDocumentButton = addToolButton(elementBar, "SpeedButton3", "Создать новый файл", 25, g);
    elementBar->addWidget(separatorLine(24));
    pointSourceTool = addToolButton(elementBar, "SpeedButton11", "Исток\\Сток", 25, g);
    vortexTool = addToolButton(elementBar, "SpeedButton12", "Плоский Вихрь", 25, g);
    dipoleTool = addToolButton(elementBar, "SpeedButton6", "Диполь", 25, g);
    elementBar->addWidget(separatorLine(9));
    vortexSourceTool = addToolButton(elementBar, "SpeedButton9", "Вихресток", 25, g);
    cylinderTool = addToolButton(elementBar, "SpeedButton2",
                                 "Цилиндр без вращения в прямолинейном потоке", 27, g);
    cylinderCirculationTool = addToolButton(elementBar, "SpeedButton16",
                                            "Цилиндр с вращением в прямолинейном потоке", 25, g);
    sourceInStreamTool =
        addToolButton(elementBar, "SpeedButton4", "Исток и набегающий поток", 25, g);
    sinkInStreamTool = addToolButton(elementBar, "SpeedButton5", "Набегающий поток и Сток", 25, g);
    secondPairTool = addToolButton(elementBar, "SpeedButton14", {}, 25, g);
    pairTool = addToolButton(elementBar, "SpeedButton15", "Исток и Сток", 25, g);
    elementBar->addWidget(separatorLine(9));
    idleButton = addToolButton(elementBar, "SpeedButton13", {}, 25, g);
    idleButton->setIcon(QIcon());

    // The gauge sits in a holder so that it can be hidden and shown itself.
    auto* gaugeHolder = new QWidget;
    gaugeHolder->setFixedSize(163, 23);
    gauge = new QProgressBar(gaugeHolder);
    gauge->setObjectName("Gauge1");
    gauge->setRange(0, 80);
    gauge->setValue(0);
    gauge->setTextVisible(false);
    gauge->setGeometry(0, 3, 163, 17);
    gauge->hide();
    elementBar->addWidget(gaugeHolder);

    streamlineCommand =
        addToolButton(elementBar, "SpeedButton1", "Построить линии тока", 25, nullptr);
    equipotentialCommand = addToolButton(elementBar, "SpeedButton17",
                                         "Построить линии равного потенциала", 25, nullptr);
    speedMapCommand =
        addToolButton(elementBar, "SpeedMapButton", "Построить поле скорости", 25, nullptr);
    pressureMapCommand =
        addToolButton(elementBar, "PressureMapButton", "Построить поле давления", 25, nullptr);
    timeMarksCommand =
        addToolButton(elementBar, "TimeMarksButton", "Построить метки времени", 25, nullptr);
    elementBar->addWidget(separatorLine(9));
    streamSpeedButton = addToolButton(elementBar, "SpeedButton10",
                                      "Задать скорость набегающего потока", 22, nullptr);
    vectorScaleButton =
        addToolButton(elementBar, "SpeedButton19", "Масштаб вектора скорости", 25, nullptr);

    addToolBarBreak();
    pictureBar = addToolBar("ToolBar2");
    pictureBar->setObjectName("ToolBar2");
    pictureBar->setMovable(false);
    pictureBar->setIconSize(QSize(16, 16));
    velocityTool =
        addToolButton(pictureBar, "SpeedButton8", "Показать вектор скорости", 25, pictureTools_);
    textTool = addToolButton(pictureBar, "SpeedButton7", "Создать надпись", 25, pictureTools_);
    pictureBar->addWidget(separatorLine(455));
    memoButton = addToolButton(pictureBar, "SpeedButton18", {}, 25, nullptr);
    contourTool = addToolButton(pictureBar, "ContourButton", "Контур", 25, pictureTools_);
    densityBox = new QDoubleSpinBox;
    densityBox->setObjectName("DensityBox");
    densityBox->setToolTip("Плотность жидкости ρ для подъёмной силы цилиндра L′ = ρUГ");
    densityBox->setPrefix("ρ = ");
    densityBox->setDecimals(3);
    densityBox->setRange(0.001, kMaxDensity);
    densityBox->setValue(1);
    densityBox->setFixedWidth(96);
    pictureBar->addWidget(densityBox);
    airfoilButton = addToolButton(pictureBar, "AirfoilButton", "Профиль Жуковского", 25, nullptr);
    createParticlesBar();
}

void TMainForm::createPanels() {
    auto* central = new QWidget;
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    strengthPanel = new QFrame;
    strengthPanel->setObjectName("Panel1");
    strengthPanel->setFrameShape(QFrame::StyledPanel);
    strengthPanel->setFixedHeight(81);
    auto* sourceChoice = new QRadioButton(strengthPanel);
    sourceChoice->setObjectName("RadioButton1");
    sourceChoice->setGeometry(16, 8, 17, 17);
    sourceChoice->setChecked(true);
    auto* sinkChoice = new QRadioButton(strengthPanel);
    sinkChoice->setObjectName("RadioButton2");
    sinkChoice->setGeometry(16, 40, 17, 17);
    // Exclusion is the handlers' business, as with the source and sink rows.
    sourceChoice->setAutoExclusive(false);
    sinkChoice->setAutoExclusive(false);
    QSlider* sourceStrength =
        makeTrackBar(strengthPanel, "TrackBar1", 1000, 3000, 100, 1500, QRect(32, 8, 265, 33));
    QSlider* sinkStrength =
        makeTrackBar(strengthPanel, "TrackBar2", 1000, 3000, 100, 1500, QRect(32, 40, 265, 33));
    QLabel* sourceCaption =
        makeRowCaption(strengthPanel, "Label1", "Мощьность Истока Q :=", {312, 16});
    QLabel* sinkCaption =
        makeRowCaption(strengthPanel, "Label2", "Мощьность  Стока  Q :=", {312, 49});
    // The values stand at x = 488 unless this font's captions reach past it.
    const int valueX =
        std::max({488, sourceCaption->geometry().right() + 8, sinkCaption->geometry().right() + 8});
    QLabel* sourceValue = makeRowCaption(strengthPanel, "Label3", "1500", {valueX, 16});
    QLabel* sinkValue = makeRowCaption(strengthPanel, "Label4", "1500", {valueX, 49});
    strengthRows_ = {StrengthRowControls{sourceChoice, sourceStrength, sourceCaption, sourceValue},
                     StrengthRowControls{sinkChoice, sinkStrength, sinkCaption, sinkValue}};
    strengthPanel->hide();
    column->addWidget(strengthPanel);

    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    workspace = new QMdiArea;
    workspace->setObjectName("Workspace");
    workspace->setBackground(palette().brush(QPalette::Dark));
    row->addWidget(workspace, 1);
    memoPanel = new QFrame;
    memoPanel->setObjectName("Panel2");
    memoPanel->setFixedWidth(256);
    auto* memoLayout = new QVBoxLayout(memoPanel);
    memoLayout->setContentsMargins(0, 0, 0, 0);
    memo = new QPlainTextEdit;
    memo->setObjectName("Memo");
    memo->setReadOnly(true);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette memoPalette = memo->palette();
    memoPalette.setColor(QPalette::Base, memoPalette.color(QPalette::ToolTipBase));
    memo->setPalette(memoPalette);
    memoLayout->addWidget(memo);
    memoPanel->hide();
    row->addWidget(memoPanel);
    column->addLayout(row, 1);
    setCentralWidget(central);

    superpositionPanel = new SuperpositionPanel(this);
    addDockWidget(Qt::RightDockWidgetArea, superpositionPanel);
    superpositionPanel->hide();

    statusLine = new QStatusBar;
    statusLine->setObjectName("StatusBar");
    statusLine->setSizeGripEnabled(false);
    setStatusBar(statusLine);
}

void TMainForm::setDialogs(const TDialogs& dialogs) {
    dialogs_ = dialogs;
    connectDialogs();
}

TMDIChild* TMainForm::ActiveMDIChild() const {
    auto* child = qobject_cast<TMDIChild*>(workspace->currentSubWindow());
    return child && !child->isClosing() ? child : nullptr;
}

QList<TMDIChild*> TMainForm::MDIChildren() const {
    QList<TMDIChild*> children;
    for (QMdiSubWindow* window : workspace->subWindowList())
        if (auto* child = qobject_cast<TMDIChild*>(window); child && !child->isClosing())
            children.append(child);
    return children;
}

int TMainForm::MDIChildCount() const {
    return static_cast<int>(MDIChildren().size());
}

void TMainForm::press(QToolButton* button) {
    button->setChecked(true);
}
