#include "app/main_form.h"

#include <QAction>
#include <QApplication>
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
#include <QVBoxLayout>
#include <algorithm>

#include "app/glyphs.h"
#include "app/tool_group.h"
#include "dialogs/dialog_style.h"
#include "dialogs/track_bar.h"
#include "document/mdi_child.h"

namespace {

QAction* makeAction(QObject* parent, const QString& name, const QString& caption,
                    const QString& hint = {}) {
    auto* action = new QAction(caption, parent);
    action->setObjectName(name);
    action->setStatusTip(hint);
    return action;
}

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
    setWindowTitle("ZEF");
    QFont font("DejaVu Sans");
    font.setPixelSize(11);
    setFont(font);
    // Size and place when restored from maximized.
    setGeometry(129, 114, 671, 400);

    toolGroup1_ = new ToolGroup(this);
    toolGroup2_ = new ToolGroup(this);
    createActions();
    createMenus();
    createToolBars();
    createPanels();
    connectHandlers();
    UpdateMenuItems();
}

// The documents are destroyed with the workspace after this; their going must
// not reach the menu upkeep of a half-destroyed window.
TMainForm::~TMainForm() {
    disconnect(Workspace, nullptr, this, nullptr);
}

void TMainForm::createActions() {
    N8 = makeAction(this, "N8", "&Файл ...");
    FileCloseItem = makeAction(this, "FileCloseItem", "&Закрыть", "Close current file");
    FileSaveAsItem =
        makeAction(this, "FileSaveAsItem", "Сохранить &как ...", "Save current file as...");
    FileExitItem = makeAction(this, "FileExitItem", "В&ыход", "Exit the application");
    N3 = makeAction(this, "N3", "&Линии тока ...");
    N4 = makeAction(this, "N4", "Линии равного &потенциала ...");
    N25 = makeAction(this, "N25", "&Вектора скорости ...");
    N15 = makeAction(this, "N15", "Настройки Стока\\&Истока ...");
    N21 = makeAction(this, "N21", "Настройки В&ихря ...");
    N7 = makeAction(this, "N7", "Настройки &Диполя ...");
    N20 = makeAction(this, "N20", "Настройки &ВихреСтока\\Истока ...");
    N6 = makeAction(this, "N6", "Настройки &Цилиндра ...");
    N16 = makeAction(this, "N16", "&Шрифт...");
    N14 = makeAction(this, "N14", "Файл ...");
    WindowCascadeItem =
        makeAction(this, "WindowCascadeItem", "Окна &каскадом", "Arrange windows to overlap");
    WindowTileItem =
        makeAction(this, "WindowTileItem", "Окна &сверху вниз", "Arrange windows without overlap");
    WindowMinimizeItem =
        makeAction(this, "WindowMinimizeItem", "Св&ернуть  все окна", "Minimize all windows");

    N24 = makeAction(this, "N24", "&Т. Источник\\Сток");
    N23 = makeAction(this, "N23", "Ви&хрь");
    N19 = makeAction(this, "N19", "&Диполь");
    N10 = makeAction(this, "N10", "&Вихресток");
    N9 = makeAction(this, "N9", "&Цилиндр");
    N12 = makeAction(this, "N12", "&Исток");
    N13 = makeAction(this, "N13", "&Сток");
    N18 = makeAction(this, "N18", "Текст");
}

void TMainForm::createMenus() {
    QMenu* fileMenu = menuBar()->addMenu("&Действие");
    fileMenu->setObjectName("File1");
    fileMenu->menuAction()->setStatusTip("File related commands");
    QMenu* newMenu = fileMenu->addMenu("&Новый");
    newMenu->setObjectName("FileNewItem");
    newMenu->menuAction()->setStatusTip("Create a new file");
    newMenu->addAction(N8);
    fileMenu->addAction(FileCloseItem);
    fileMenu->addAction(FileSaveAsItem);
    fileMenu->addSeparator();
    fileMenu->addAction(FileExitItem);

    QMenu* settingsMenu = menuBar()->addMenu("&Настройки");
    settingsMenu->setObjectName("N2");
    settingsMenu->addActions({N3, N4, N25});
    settingsMenu->addSeparator();
    settingsMenu->addActions({N15, N21, N7, N20, N6});
    settingsMenu->addSeparator();
    settingsMenu->addActions({N16, N14});

    WindowMenu = menuBar()->addMenu("&Окна");
    WindowMenu->setObjectName("Window1");
    WindowMenu->menuAction()->setStatusTip("Window related commands such as Tile and Cascade");
    windowMenuFixed_ = {WindowCascadeItem, WindowTileItem, WindowMinimizeItem};
    WindowMenu->addActions(windowMenuFixed_);
    connect(WindowMenu, &QMenu::aboutToShow, this, &TMainForm::fillWindowMenu);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName("PopupMenu1");
    PopupMenu1->addActions({N24, N23, N19});
    PopupMenu1->addSeparator()->setObjectName("N22");
    PopupMenu1->addActions({N10, N9, N12, N13});
    PopupMenu1->addSeparator()->setObjectName("N17");
    PopupMenu1->addAction(N18);
    connect(PopupMenu1, &QMenu::aboutToShow, this, &TMainForm::PopupMenu1Popup);
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
    ToolBar1 = addToolBar("ToolBar1");
    ToolBar1->setObjectName("ToolBar1");
    ToolBar1->setMovable(false);
    ToolBar1->setIconSize(QSize(16, 16));
    auto* g = toolGroup1_;
    SpeedButton3 = addToolButton(ToolBar1, "SpeedButton3", "Создать новый файл", 25, g);
    ToolBar1->addWidget(separatorLine(24));
    SpeedButton11 = addToolButton(ToolBar1, "SpeedButton11", "Исток\\Сток", 25, g);
    SpeedButton12 = addToolButton(ToolBar1, "SpeedButton12", "Плоский Вихрь", 25, g);
    SpeedButton6 = addToolButton(ToolBar1, "SpeedButton6", "Диполь", 25, g);
    ToolBar1->addWidget(separatorLine(9));
    SpeedButton9 = addToolButton(ToolBar1, "SpeedButton9", "Вихресток", 25, g);
    SpeedButton2 = addToolButton(ToolBar1, "SpeedButton2",
                                 "Цилиндр без вращения в прямолинейном потоке", 27, g);
    SpeedButton16 = addToolButton(ToolBar1, "SpeedButton16",
                                  "Цилиндр с вращением в прямолинейном потоке", 25, g);
    SpeedButton4 = addToolButton(ToolBar1, "SpeedButton4", "Исток и набегающий поток", 25, g);
    SpeedButton5 = addToolButton(ToolBar1, "SpeedButton5", "Набегающий поток и Сток", 25, g);
    SpeedButton14 = addToolButton(ToolBar1, "SpeedButton14", {}, 25, g);
    SpeedButton15 = addToolButton(ToolBar1, "SpeedButton15", "Исток и Сток", 25, g);
    ToolBar1->addWidget(separatorLine(9));
    SpeedButton13 = addToolButton(ToolBar1, "SpeedButton13", {}, 25, g);
    SpeedButton13->setIcon(QIcon());

    // The gauge sits in a holder so that it can be hidden and shown itself.
    auto* gaugeHolder = new QWidget;
    gaugeHolder->setFixedSize(163, 23);
    Gauge1 = new QProgressBar(gaugeHolder);
    Gauge1->setObjectName("Gauge1");
    Gauge1->setRange(0, 80);
    Gauge1->setValue(0);
    Gauge1->setTextVisible(false);
    Gauge1->setGeometry(0, 3, 163, 17);
    Gauge1->hide();
    ToolBar1->addWidget(gaugeHolder);

    SpeedButton1 = addToolButton(ToolBar1, "SpeedButton1", "Построить линии тока", 25, nullptr);
    SpeedButton17 =
        addToolButton(ToolBar1, "SpeedButton17", "Построить линии равного потенциала", 25, nullptr);
    ToolBar1->addWidget(separatorLine(9));
    SpeedButton10 =
        addToolButton(ToolBar1, "SpeedButton10", "Задать скорость набегающего потока", 22, nullptr);
    SpeedButton19 =
        addToolButton(ToolBar1, "SpeedButton19", "Масштаб вектора скорости", 25, nullptr);

    addToolBarBreak();
    ToolBar2 = addToolBar("ToolBar2");
    ToolBar2->setObjectName("ToolBar2");
    ToolBar2->setMovable(false);
    ToolBar2->setIconSize(QSize(16, 16));
    SpeedButton8 =
        addToolButton(ToolBar2, "SpeedButton8", "Показать вектор скорости", 25, toolGroup2_);
    SpeedButton7 = addToolButton(ToolBar2, "SpeedButton7", "Создать надпись", 25, toolGroup2_);
    ToolBar2->addWidget(separatorLine(455));
    SpeedButton18 = addToolButton(ToolBar2, "SpeedButton18", {}, 25, nullptr);
}

void TMainForm::createPanels() {
    auto* central = new QWidget;
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    Panel1 = new QFrame;
    Panel1->setObjectName("Panel1");
    Panel1->setFrameShape(QFrame::StyledPanel);
    Panel1->setFixedHeight(81);
    RadioButton1 = new QRadioButton(Panel1);
    RadioButton1->setObjectName("RadioButton1");
    RadioButton1->setGeometry(16, 8, 17, 17);
    RadioButton1->setChecked(true);
    RadioButton2 = new QRadioButton(Panel1);
    RadioButton2->setObjectName("RadioButton2");
    RadioButton2->setGeometry(16, 40, 17, 17);
    // Exclusion is the handlers' business, as with the source and sink rows.
    RadioButton1->setAutoExclusive(false);
    RadioButton2->setAutoExclusive(false);
    TrackBar1 = makeTrackBar(Panel1, "TrackBar1", 1000, 3000, 100, 1500, QRect(32, 8, 265, 33));
    TrackBar2 = makeTrackBar(Panel1, "TrackBar2", 1000, 3000, 100, 1500, QRect(32, 40, 265, 33));
    Label1 = makeRowCaption(Panel1, "Label1", "Мощьность Истока Q :=", {312, 16});
    Label2 = makeRowCaption(Panel1, "Label2", "Мощьность  Стока  Q :=", {312, 49});
    // The values stand at x = 488 unless this font's captions reach past it.
    const int valueX =
        std::max({488, Label1->geometry().right() + 8, Label2->geometry().right() + 8});
    Label3 = makeRowCaption(Panel1, "Label3", "1500", {valueX, 16});
    Label4 = makeRowCaption(Panel1, "Label4", "1500", {valueX, 49});
    Panel1->hide();
    column->addWidget(Panel1);

    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    Workspace = new QMdiArea;
    Workspace->setObjectName("Workspace");
    Workspace->setBackground(palette().brush(QPalette::Dark));
    row->addWidget(Workspace, 1);
    Panel2 = new QFrame;
    Panel2->setObjectName("Panel2");
    Panel2->setFixedWidth(256);
    auto* memoLayout = new QVBoxLayout(Panel2);
    memoLayout->setContentsMargins(0, 0, 0, 0);
    Memo = new QPlainTextEdit;
    Memo->setObjectName("Memo");
    Memo->setReadOnly(true);
    Memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette memoPalette = Memo->palette();
    memoPalette.setColor(QPalette::Base, memoPalette.color(QPalette::ToolTipBase));
    Memo->setPalette(memoPalette);
    memoLayout->addWidget(Memo);
    Panel2->hide();
    row->addWidget(Panel2);
    column->addLayout(row, 1);
    setCentralWidget(central);

    StatusBar = new QStatusBar;
    StatusBar->setObjectName("StatusBar");
    StatusBar->setSizeGripEnabled(false);
    setStatusBar(StatusBar);
}

TMDIChild* TMainForm::ActiveMDIChild() const {
    auto* child = qobject_cast<TMDIChild*>(Workspace->currentSubWindow());
    return child && !child->isClosing() ? child : nullptr;
}

QList<TMDIChild*> TMainForm::MDIChildren() const {
    QList<TMDIChild*> children;
    for (QMdiSubWindow* window : Workspace->subWindowList())
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
