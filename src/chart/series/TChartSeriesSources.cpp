#include "chart/series/TChartSeries.h"

#include "chart/panel/ChartException.h"
#include "chart/panel/TCustomAxisPanel.h"
#include "chart/series/TChartFunction.h"

#include <algorithm>

TChartSeries* TChartSeries::DataSource() const
{
    return dataSources_.empty() ? nullptr : dataSources_.front();
}

void TChartSeries::RemoveDataSources()
{
    for (TChartSeries* source : dataSources_)
        std::erase(source->dependents_, this);
    dataSources_.clear();
}

void TChartSeries::AddDataSource(TChartSeries* source)
{
    dataSources_.push_back(source);
    source->dependents_.push_back(this);
}

void TChartSeries::SetDataSource(TChartSeries* source)
{
    if (source == nullptr) {
        RemoveDataSources();
        ClearPoints();
        InvalidateChart();
        return;
    }
    if (parentChart_ == nullptr)
        throw ChartException("No ParentChart to validate DataSource");
    if (!CanTakeFrom(source) || !source->IsValidSource())
        throw ChartException("No valid DataSource: " + source->Name());
    if (std::find(dataSources_.begin(), dataSources_.end(), source) != dataSources_.end())
        return;
    parentChart_->CheckDataSourceCycle(this, source);
    const bool loading = parentChart_->IsLoading();
    if (!loading)
        RemoveDataSources();
    AddDataSource(source);
    if (!loading)
        CheckDataSource();
}

void TChartSeries::CheckDataSource()
{
    if (dataSources_.empty())
        return;
    CopyAllFrom(*dataSources_.front());
}

void TChartSeries::CopyAllFrom(TChartSeries& source)
{
    if (&source == this)
        return;
    ClearPoints();
    if (function_) {
        std::vector<TChartSeries*> sources = dataSources_;
        if (sources.empty())
            sources.push_back(&source);
        function_->AddPoints(sources);
    } else {
        for (int i = 0; i < source.Count(); ++i) {
            const int index = AddPointFrom(source, i);
            points_.InsertColorAndLabel(index, source.points_.OwnColor(i), source.PointLabel(i));
        }
        InvalidateChart();
    }
    NotifyDependents(snRefresh, 0);
}

void TChartSeries::NotifyDependents(TSeriesNotification code, int index)
{
    if (dependents_.empty())
        return;
    // A dependent may change the list (by leaving its source), so walk a copy.
    const std::vector<TChartSeries*> dependents = dependents_;
    for (TChartSeries* dependent : dependents) {
        const unsigned follows = dependent->sourceEvents_;
        switch (code) {
        case snClear:
            if (follows & seClear)
                dependent->ClearPoints();
            break;
        case snAdd:
            if ((follows & seAdd) && !dependent->function_)
                dependent->CopyPointFrom(*this, index);
            break;
        case snDelete:
            if ((follows & seDelete) && !dependent->function_)
                dependent->DeleteFromSource(*this, index);
            break;
        case snRefresh:
            dependent->CopyAllFrom(*this);
            break;
        case snValueChange:
            if (follows & seValueChange)
                dependent->CopyAllFrom(*this);
            break;
        }
    }
}

void TChartSeries::SetFunction(std::unique_ptr<TChartFunction> function)
{
    function_ = std::move(function);
    if (function_)
        function_->SetParentSeries(this);
    CheckDataSource();
}
