#include "widgets/BetaCodeWin.h"

#include "widgets/BetaCodeWinChart.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QPainter>
#include <QPointer>

namespace {

const QString showCaption = QStringLiteral("Show Beta-Code Template");
const QString hideCaption = QStringLiteral("Hide Beta-Code Template");

QPointer<BetaCodeWin>& instance() {
    static QPointer<BetaCodeWin> theInstance;
    return theInstance;
}

} // namespace

BetaCodeWin::BetaCodeWin() : QWidget(nullptr, Qt::Tool) {
    setObjectName("BetaCodeWin");
    setWindowTitle("How to type Greek in Beta-Code");
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false);
    setFixedSize(BetaChartSize);
}

BetaCodeWin* BetaCodeWin::Loaded() {
    return instance().data();
}

void BetaCodeWin::ShowChart() {
    if (!instance())
        instance() = new BetaCodeWin;
    else if (instance()->isVisible())
        instance()->raise();
    instance()->show();
}

void BetaCodeWin::UnloadChart() {
    if (instance())
        instance()->close();
}

void BetaCodeWin::BetaButton_Click(QAbstractButton* betaButton) {
    if (betaButton->text() == showCaption) {
        ShowChart();
        betaButton->setText(hideCaption);
    } else {
        OfferChart(betaButton);
        UnloadChart();
    }
}

void BetaCodeWin::OfferChart(QAbstractButton* betaButton) {
    betaButton->setText(showCaption);
}

void BetaCodeWin::FollowChart(QAbstractButton* betaButton) {
    connect(&Signals(), &BetaChartSignals::Unloaded, betaButton,
            [betaButton] { OfferChart(betaButton); });
}

BetaChartSignals& BetaCodeWin::Signals() {
    // Never deleted, so that it does not outlive the application object as a static would.
    static auto* const theSignals = new BetaChartSignals;
    return *theSignals;
}

void BetaCodeWin::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintBetaChart(painter);
}

void BetaCodeWin::closeEvent(QCloseEvent* event) {
    // Closing unloads the chart: it is gone at once for every caller, deleted afterwards.
    if (instance() == this)
        instance() = nullptr;
    Form_Unload();
    event->accept();
}

void BetaCodeWin::Form_Unload() {
    Q_EMIT Signals().Unloaded();
}
