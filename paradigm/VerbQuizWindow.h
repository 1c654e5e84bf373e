#pragma once

#include "paradigm/ParadigmQuizWindow.h"

// The verb drill "Lexivo Verb Drill". The first use loads it, reading Verbs.lxd.
class VerbQuizWindow : public ParadigmQuizWindow {
    Q_OBJECT

public:
    // The loaded window, loading it first when needed; mainWindow is shown again at its end.
    static VerbQuizWindow& Get(QWidget* mainWindow) {
        return LoadWindow<VerbQuizWindow>(mainWindow);
    }
    // The loaded window, or null.
    static VerbQuizWindow* Loaded() { return LoadedWindow<VerbQuizWindow>(); }

private:
    friend class ParadigmQuizWindow;
    explicit VerbQuizWindow(QWidget* mainWindow);
};
