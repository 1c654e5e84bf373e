#include "paradigm/NounQuizWindow.h"

#include "paradigm/DrillSettings.h"

NounQuizWindow::NounQuizWindow(QWidget* mainWindow) : ParadigmQuizWindow(NounDrill, mainWindow) {}
