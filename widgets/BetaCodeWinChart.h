#pragma once

#include <QSize>

class QPainter;

// The chart's picture: every Beta-code letter with the Greek letter it types, every mark with
// its key and an example, drawn from the Greek routines' own tables.
inline constexpr QSize BetaChartSize{472, 147};

void PaintBetaChart(QPainter& painter);
