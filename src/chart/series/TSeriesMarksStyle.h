#pragma once

// What a point mark shows.
enum TSeriesMarksStyle {
    smsValue, smsPercent, smsLabel, smsLabelPercent, smsLabelValue, smsLegend, smsPercentTotal,
    smsLabelPercentTotal, smsXValue,
};
