#pragma once

#include "paradigm/ParadigmQuizWindow.h"

// The noun, pronoun and adjective drill. The first use loads it, reading Nouns.lxd.
class NounQuizWindow : public ParadigmQuizWindow {
    Q_OBJECT

public:
    // The loaded window, loading it first when needed; mainWindow is shown again at its end.
    static NounQuizWindow& Get(QWidget* mainWindow) {
        return LoadWindow<NounQuizWindow>(mainWindow);
    }
    // The loaded window, or null.
    static NounQuizWindow* Loaded() { return LoadedWindow<NounQuizWindow>(); }

private:
    friend class ParadigmQuizWindow;
    explicit NounQuizWindow(QWidget* mainWindow);
};
