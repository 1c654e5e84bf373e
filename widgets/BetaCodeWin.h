#pragma once

#include <QWidget>

class QAbstractButton;

// What the chart window tells the drill windows. It outlives every chart window, so a drill
// window connects to it once when it loads, whether or not a chart is loaded then.
class BetaChartSignals : public QObject {
    Q_OBJECT

Q_SIGNALS:
    // The chart window was unloaded: by a BetaButton, by a closing drill window or by its own
    // close box. Every loaded drill window puts its BetaButton back to offering the chart.
    void Unloaded();
};

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
    // Sets a drill window's BetaButton to offer the chart.
    static void OfferChart(QAbstractButton* betaButton);
    // Has a drill window's BetaButton offer the chart again whenever the chart is unloaded,
    // however that comes about.
    static void FollowChart(QAbstractButton* betaButton);
    // Where the chart announces its unloading.
    static BetaChartSignals& Signals();

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    BetaCodeWin();
    // Announces the unloading, so that the drill windows reset their BetaButton.
    static void Form_Unload();
};
