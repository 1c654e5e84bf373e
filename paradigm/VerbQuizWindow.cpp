#include "paradigm/VerbQuizWindow.h"

#include "paradigm/DrillSettings.h"

VerbQuizWindow::VerbQuizWindow(QWidget* mainWindow) : ParadigmQuizWindow(VerbDrill, mainWindow) {}
