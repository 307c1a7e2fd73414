#pragma once

#include <QAction>
#include <QObject>
#include <QString>

class TForm1;

// The calculator window's commands for its chart and results: copy them, save the chart as a PNG, SVG
// or PDF file, print it. From the keyboard: Ctrl+C (when no text field has the focus, which then copies
// its own text) puts the results and the chart in one clipboard entry, Ctrl+S saves, Ctrl+P prints;
// from the chart's context menu: Copy chart, Copy results, Save chart as..., Print....
class TChartActions : public QObject {
    Q_OBJECT
public:
    explicit TChartActions(TForm1& form);

    // The results shown, as the three lines the command line's calc prints.
    QString ResultsText() const;
    void CopyResultsAndChart();
    void CopyChart();
    void CopyResults();
    // Asks for a file name and format and writes the chart there, whole or not at all.
    void SaveChart();
    // Asks for a printer and prints the chart on it.
    void PrintChart();
    // Opens the chart's context menu at the screen position.
    void ShowMenu(QPoint globalPosition);

private:
    QAction* AddAction(const QString& text, const QKeySequence& shortcut, void (TChartActions::*command)());

    TForm1& form_;
    QAction* copyChart_;
    QAction* copyResults_;
    QAction* save_;
    QAction* print_;
};
