// csvplot: plots the columns of a CSV file as line series over its first column, into a PNG, SVG or PDF
// file, and shows them in a window when asked.
//
//   csvplot DATA.csv OUT.png|OUT.svg|OUT.pdf [--title TEXT] [--y-title TEXT] [--size WIDTHxHEIGHT] [--show]
//
// The first line names the columns; every later line holds one number per column, separated by commas.

#include <chart/axes/TChartAxis.h>
#include <chart/frame/TChartTitle.h>
#include <chart/panel/TChart.h>
#include <chart/series/TLineSeries.h>
#include <platform/ChartFile.h>
#include <platform/TChartWidget.h>

#include <QApplication>
#include <QFile>

#include <charconv>
#include <cstdio>
#include <fstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace {

struct TOptions {
    std::string input;
    std::string output;
    std::string title;
    std::string yTitle;
    int width = 800;
    int height = 500;
    bool show = false;
};

struct TTable {
    std::vector<std::string> names;
    std::vector<std::vector<double>> columns;
};

std::vector<std::string_view> SplitFields(std::string_view line)
{
    std::vector<std::string_view> fields;
    for (std::size_t start = 0;;) {
        const std::size_t comma = line.find(',', start);
        fields.push_back(line.substr(start, comma - start));
        if (comma == std::string_view::npos)
            return fields;
        start = comma + 1;
    }
}

double ParseNumber(std::string_view field, long lineNumber)
{
    while (!field.empty() && field.front() == ' ')
        field.remove_prefix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    if (error != std::errc() || (end != field.data() + field.size() && *end != ' ' && *end != '\r'))
        throw std::runtime_error("line " + std::to_string(lineNumber) + ": '" + std::string(field) + "' is not a number");
    return value;
}

TTable ReadCsv(const std::string& path)
{
    std::ifstream in(path);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    TTable table;
    std::string line;
    long lineNumber = 0;
    while (std::getline(in, line)) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty())
            continue;
        const std::vector<std::string_view> fields = SplitFields(line);
        if (table.names.empty()) {
            if (fields.size() < 2)
                throw std::runtime_error("line 1 names fewer than two columns");
            table.names.assign(fields.begin(), fields.end());
            table.columns.resize(fields.size());
            continue;
        }
        if (fields.size() != table.names.size())
            throw std::runtime_error("line " + std::to_string(lineNumber) + " has " + std::to_string(fields.size()) +
                                     " fields, not " + std::to_string(table.names.size()));
        for (std::size_t i = 0; i < fields.size(); ++i)
            table.columns[i].push_back(ParseNumber(fields[i], lineNumber));
    }
    if (table.names.empty())
        throw std::runtime_error(path + " is empty");
    return table;
}

// One line series per column after the first, titled by its column's name; the chart owns them.
void Plot(TChart& chart, const TTable& table, const TOptions& options)
{
    chart.SetView3D(false);
    chart.Title().SetText({options.title.empty() ? options.input : options.title});
    chart.BottomAxis().Title().SetCaption(table.names.front());
    chart.LeftAxis().Title().SetCaption(options.yTitle);
    const std::vector<double>& xs = table.columns.front();
    for (std::size_t column = 1; column < table.columns.size(); ++column) {
        auto* series = new TLineSeries;
        series->SetTitle(table.names[column]);
        series->SetParentChart(&chart);
        const std::vector<double>& ys = table.columns[column];
        for (std::size_t row = 0; row < xs.size(); ++row)
            series->AddPoint(xs[row], ys[row]);
    }
}

TPictureFormat FormatOf(const std::string& path)
{
    const std::string suffix = path.size() >= 4 ? path.substr(path.size() - 4) : "";
    if (suffix == ".png")
        return TPictureFormat::Png;
    if (suffix == ".svg")
        return TPictureFormat::Svg;
    if (suffix == ".pdf")
        return TPictureFormat::Pdf;
    throw std::runtime_error(path + ": the file name must end in .png, .svg or .pdf");
}

TOptions ParseArguments(int argc, char** argv)
{
    TOptions options;
    std::vector<std::string> files;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--show")
            options.show = true;
        else if (arg == "--title" && hasValue)
            options.title = argv[++i];
        else if (arg == "--y-title" && hasValue)
            options.yTitle = argv[++i];
        else if (arg == "--size" && hasValue) {
            if (std::sscanf(argv[++i], "%dx%d", &options.width, &options.height) != 2 || options.width <= 0 ||
                options.height <= 0)
                throw std::runtime_error("--size takes WIDTHxHEIGHT");
        } else if (arg.starts_with("--"))
            throw std::runtime_error("unknown option " + arg);
        else
            files.push_back(arg);
    }
    if (files.size() != 2)
        throw std::runtime_error("usage: csvplot DATA.csv OUT.png|OUT.svg|OUT.pdf [--title TEXT] [--y-title TEXT] "
                                 "[--size WIDTHxHEIGHT] [--show]");
    options.input = files[0];
    options.output = files[1];
    return options;
}

}  // namespace

int main(int argc, char** argv)
{
    try {
        const TOptions options = ParseArguments(argc, argv);
        const TPictureFormat format = FormatOf(options.output);
        // Only the window needs a display; a file is drawn off-screen.
        if (!options.show && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        QApplication app(argc, argv);
        TChartWidget widget;
        const TTable table = ReadCsv(options.input);
        Plot(widget.Chart(), table, options);

        QFile file(QString::fromStdString(options.output));
        const QByteArray bytes = ChartFile(widget.Chart(), options.width, options.height, format);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush())
            throw std::runtime_error("cannot write " + options.output);
        file.close();
        std::printf("csvplot: %zu series of %zu rows into %s\n", table.columns.size() - 1, table.columns.front().size(),
                    options.output.c_str());
        if (!options.show)
            return 0;
        widget.resize(options.width, options.height);
        widget.setWindowTitle(QString::fromStdString(options.input));
        widget.show();
        return app.exec();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "csvplot: %s\n", error.what());
        return 1;
    }
}
