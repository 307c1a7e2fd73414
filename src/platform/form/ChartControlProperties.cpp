#include "platform/form/ChartControlProperties.h"

#include "chart/panel/TChart.h"
#include "platform/TChartWidget.h"
#include "platform/form/ChartProperties.h"
#include "platform/form/ControlProperties.h"

const TPropertyTable<TChartWidget>& ChartWidgetProperties()
{
    static const TPropertyTable<TChartWidget> table = [] {
        TPropertyTable<TChartWidget> t("TChart");
        t.Include(ControlProperties());
        t.Include<TChart>(ChartEngineProperties(), [](TChartWidget& w) -> TChart& { return w.Chart(); });
        return t;
    }();
    return table;
}

const TPropertyTable<TChart>& BareChartProperties()
{
    static const TPropertyTable<TChart> table = [] {
        TPropertyTable<TChart> t("TChart");
        t.Ignore(ControlProperties());
        t.Include(ChartEngineProperties());
        return t;
    }();
    return table;
}
