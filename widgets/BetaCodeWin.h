#pragma once

#include <QWidget>

class QAbstractButton;

// The chart of how Greek is typed in Beta code: one shared window, opened and closed by the
// drill windows' BetaButton, or closed by its own close box.
class BetaCodeWin : public QWidget {
    Q_OBJECT

public:
    // The chart window while it is loaded, else nullptr.
    static BetaCodeWin* Loaded();
    // Loads the chart when needed and shows it without waiting.
    static void ShowChart();
    // Unloads the chart when it is loaded.
    static void UnloadChart();
    // What a drill window's BetaButton does when clicked: opens the chart when the button offers
    // to show it, else closes it.
    static void BetaButton_Click(QAbstractButton* betaButton);

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    BetaCodeWin();
    // Puts the BetaButton of every loaded drill window back to offering the chart.
    static void Form_Unload();
};
