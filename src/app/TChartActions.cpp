#include "app/TChartActions.h"

#include "app/TForm1.h"
#include "app/cli/ChartFormat.h"
#include "app/cli/ResultRecord.h"
#include "platform/ChartFile.h"
#include "platform/ChartPrinting.h"
#include "platform/ChartRendering.h"
#include "platform/TApplication.h"
#include "platform/TChartWidget.h"
#include "platform/TModalDialogs.h"
#include "platform/WholeFile.h"
#include "platform/form/TEdit.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <QPrinter>

#include <array>
#include <memory>
#include <optional>

namespace {

struct TSaveFormat {
    const char* Filter;
    const char* Suffix;
    TPictureFormat Format;
};

// The formats of the command line's chart, in the save dialog's order.
constexpr std::array<TSaveFormat, 3> SaveFormats{{
    {"PNG image (*.png)", ".png", TPictureFormat::Png},
    {"SVG drawing (*.svg)", ".svg", TPictureFormat::Svg},
    {"PDF document (*.pdf)", ".pdf", TPictureFormat::Pdf},
}};

// The save dialog's first proposal, in the folder it opens on; the first filter's format.
constexpr const char* ProposedName = "chart.png";

}  // namespace

TChartActions::TChartActions(TForm1& form)
    : QObject(&form),
      form_(form),
      copyChart_(AddAction(QStringLiteral("Copy chart"), QKeySequence(), &TChartActions::CopyChart)),
      copyResults_(AddAction(QStringLiteral("Copy results"), QKeySequence(), &TChartActions::CopyResults)),
      save_(AddAction(QStringLiteral("Save chart as\u2026"), QKeySequence(Qt::CTRL | Qt::Key_S), &TChartActions::SaveChart)),
      print_(AddAction(QStringLiteral("Print\u2026"), QKeySequence(Qt::CTRL | Qt::Key_P), &TChartActions::PrintChart))
{
    AddAction(QStringLiteral("Copy"), QKeySequence::Copy, &TChartActions::CopyResultsAndChart);
    connect(form_.Chart1, &TChartWidget::ContextMenuRequested, this, &TChartActions::ShowMenu);
}

QAction* TChartActions::AddAction(const QString& text, const QKeySequence& shortcut, void (TChartActions::*command)())
{
    auto* action = new QAction(text, this);
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WindowShortcut);
    // A focused text field takes Ctrl+C for itself before a window shortcut sees it.
    form_.addAction(action);
    connect(action, &QAction::triggered, this, [this, command] { TApplication::Dispatch([this, command] { (this->*command)(); }); });
    return action;
}

QString TChartActions::ResultsText() const
{
    std::string text;
    cli::AppendPlainResult(text, {form_.Edit2->Text(), form_.Edit3->Text(), form_.Edit5->Text()});
    return QString::fromStdString(text + '\n');
}

void TChartActions::CopyResultsAndChart()
{
    auto data = std::make_unique<QMimeData>();
    data->setText(ResultsText());
    TChart& chart = form_.Chart1->Chart();
    data->setImageData(RenderChart(chart, chart.Width(), chart.Height()));
    QGuiApplication::clipboard()->setMimeData(data.release());
}

void TChartActions::CopyChart()
{
    TChart& chart = form_.Chart1->Chart();
    QGuiApplication::clipboard()->setImage(RenderChart(chart, chart.Width(), chart.Height()));
}

void TChartActions::CopyResults()
{
    QGuiApplication::clipboard()->setText(ResultsText());
}

void TChartActions::SaveChart()
{
    QStringList filters;
    for (const TSaveFormat& format : SaveFormats)
        filters << QString::fromLatin1(format.Filter);
    const std::optional<TModalDialogs::TSaveChoice> choice = TModalDialogs::SaveFile(&form_, QStringLiteral("Save chart as"),
        QString::fromLatin1(ProposedName), filters);
    if (!choice)
        return;
    // An extension the user typed decides the format; without one, the selected filter's format and extension.
    QString path = choice->Path;
    std::optional<TPictureFormat> format = cli::FormatOfExtension(path.toStdString());
    if (!format) {
        const TSaveFormat* chosen = &SaveFormats.front();
        for (const TSaveFormat& candidate : SaveFormats)
            if (choice->Filter == QString::fromLatin1(candidate.Filter))
                chosen = &candidate;
        path += QString::fromLatin1(chosen->Suffix);
        format = chosen->Format;
    }
    TChart& chart = form_.Chart1->Chart();
    const QByteArray bytes = ChartFile(chart, chart.Width(), chart.Height(), *format);
    WriteWholeFile(path.toStdString(), std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

void TChartActions::PrintChart()
{
    QPrinter printer(QPrinter::HighResolution);
    if (!TModalDialogs::Print(printer, &form_))
        return;
    ::PrintChart(form_.Chart1->Chart(), printer);
}

void TChartActions::ShowMenu(QPoint globalPosition)
{
    QMenu menu(&form_);
    menu.addAction(copyChart_);
    menu.addAction(copyResults_);
    menu.addSeparator();
    menu.addAction(save_);
    menu.addAction(print_);
    TModalDialogs::Popup(menu, globalPosition);
}
