// The menu "&Справка": the handbook on F1 and the program's description.
#pragma once

class QMainWindow;

// Adds the menu as the last one of the window's menu bar.
void addHelpMenu(QMainWindow* window);
