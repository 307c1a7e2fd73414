// The calculator's chart written as SVG and PDF: the same chart as the window's, drawn as vectors.

#include "PdfText.h"
#include "WindowTestSupport.h"

#include "app/TForm1.h"
#include "chart/axes/TChartAxis.h"
#include "chart/series/TLineSeries.h"
#include "platform/ChartFile.h"
#include "platform/TChartWidget.h"
#include "platform/form/TButton.h"
#include "platform/form/TEdit.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

// The texts every picture of the chart holds: the title, the axis titles and every axis label.
std::vector<std::string> ChartTexts()
{
    std::vector<std::string> texts{"Relation of Hardness to Equivalent Protection", "Hardness",
        "Equivalent Protection of 320 BHN"};
    for (int hardness = 200; hardness <= 360; hardness += 10)
        texts.push_back(std::to_string(hardness));
    for (const char* protection : {"0.9", "1", "1.1", "1.2", "1.3", "1.4", "1.5"})
        texts.push_back(protection);
    return texts;
}

// The text elements of an SVG document, and the paths with the stroke colour they are drawn in.
struct TSvgContents {
    std::set<std::string> Texts;
    std::multimap<std::string, std::string> PathsByStroke;
    bool WellFormed = false;
};

TSvgContents ReadSvg(const QByteArray& bytes)
{
    TSvgContents contents;
    QXmlStreamReader xml(bytes);
    std::vector<std::string> strokes{"none"};
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const QString stroke = xml.attributes().value("stroke").toString();
            strokes.push_back(stroke.isEmpty() ? strokes.back() : stroke.toStdString());
            if (xml.name() == QLatin1String("path"))
                contents.PathsByStroke.emplace(strokes.back(), xml.attributes().value("d").toString().toStdString());
            if (xml.name() == QLatin1String("text"))
                contents.Texts.insert(xml.readElementText().toStdString());
        }
        if (xml.isEndElement())
            strokes.pop_back();
    }
    contents.WellFormed = !xml.hasError();
    return contents;
}

std::string StrokeOf(TColor color)
{
    return QColor(RedOf(color), GreenOf(color), BlueOf(color)).name().toStdString();
}

class ChartFile : public TWindowTestSuite {
protected:
    void SetUp() override
    {
        ResetModel();
        form = std::make_unique<TForm1>();
        form->FormActivate();
        form->Edit1->SetText("237");
        form->Button1->click();
    }
    void TearDown() override
    {
        form.reset();
    }

    std::unique_ptr<TForm1> form;
};

}  // namespace

TEST_F(ChartFile, TheSvgHoldsTheTextsAsTextAndEachCurveAsOnePath)
{
    const TSvgContents svg = ReadSvg(::ChartFile(form->Chart1->Chart(), 553, 337, TPictureFormat::Svg));
    ASSERT_TRUE(svg.WellFormed);
    for (const std::string& text : ChartTexts())
        EXPECT_TRUE(svg.Texts.count(text)) << text;
    // A curve is one stroke from the first grid point to the last: one move, a line to every other point.
    for (const TLineSeries* curve : {form->Series1, form->Series2, form->Series3, form->Series6, form->Series7, form->Series8}) {
        int whole = 0;
        const auto [first, last] = svg.PathsByStroke.equal_range(StrokeOf(curve->SeriesColor()));
        for (auto path = first; path != last; ++path) {
            const std::string& d = path->second;
            whole += std::count(d.begin(), d.end(), 'M') == 1 && std::count(d.begin(), d.end(), 'L') == BHNcalc::GridPoints - 1;
        }
        EXPECT_EQ(whole, 1) << curve->Name() << " in " << StrokeOf(curve->SeriesColor());
    }
}

// The PDF's page is the chart's size at 96 pixels per inch, as the SVG's, and its texts can be extracted.
TEST_F(ChartFile, ThePdfIsOnePageOfTheChartsSizeWithItsTexts)
{
    const QByteArray pdf = ::ChartFile(form->Chart1->Chart(), 553, 337, TPictureFormat::Pdf);
    EXPECT_TRUE(pdf.startsWith("%PDF-"));
    const QString text = QString::fromLatin1(pdf);
    EXPECT_EQ(text.count(QRegularExpression("/Type\\s*/Page[^s]")), 1);
    // 553 x 337 pixels are 414.75 x 252.75 points; Qt writes a page's size in whole points, so the page is the
    // chart's size rounded up, a quarter of a point more at most.
    const QRegularExpressionMatch box = QRegularExpression("/MediaBox\\s*\\[\\s*0\\s+0\\s+([0-9.]+)\\s+([0-9.]+)\\s*\\]").match(text);
    ASSERT_TRUE(box.hasMatch());
    EXPECT_DOUBLE_EQ(box.captured(1).toDouble(), 415.0);
    EXPECT_DOUBLE_EQ(box.captured(2).toDouble(), 253.0);

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("chart.pdf");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(pdf);
    file.close();
    const std::string extracted = PdfText(path);
    for (const std::string& expected : ChartTexts())
        EXPECT_NE(extracted.find(expected), std::string::npos) << expected;

    // The drawing inside is three quarters of a point per pixel: each axis label sits where the chart put it,
    // in the window's pixels.
    const TChart& chart = form->Chart1->Chart();
    int labels = 0;
    for (const TPdfWord& word : PdfWords(path)) {
        const bool hardness = word.Text == "200" || word.Text == "280" || word.Text == "360";
        const bool protection = word.Text == "0.9" || word.Text == "1.2" || word.Text == "1.5";
        if (!hardness && !protection)
            continue;
        ++labels;
        const double centre = (hardness ? word.Left + word.Right : word.Top + word.Bottom) / 2 * 96.0 / 72.0;
        const int pixel = hardness ? chart.BottomAxis().XValueToPixel(std::stod(word.Text))
                                   : chart.LeftAxis().YValueToPixel(std::stod(word.Text));
        EXPECT_NEAR(centre, pixel, 2.0) << word.Text;
    }
    EXPECT_EQ(labels, 6);
}

// The SVG says its physical size: 553 pixels at 96 per inch are 146.3 mm, the same as the PDF's.
TEST_F(ChartFile, TheSvgIsTheChartsSizeAtNinetySixPixelsPerInch)
{
    QXmlStreamReader xml(::ChartFile(form->Chart1->Chart(), 553, 337, TPictureFormat::Svg));
    ASSERT_TRUE(xml.readNextStartElement());
    ASSERT_EQ(xml.name(), QLatin1String("svg"));
    const QXmlStreamAttributes svg = xml.attributes();
    EXPECT_EQ(svg.value("viewBox"), QLatin1String("0 0 553 337"));
    const QString width = svg.value("width").toString();
    const QString height = svg.value("height").toString();
    ASSERT_TRUE(width.endsWith("mm") && height.endsWith("mm")) << width.toStdString() << " " << height.toStdString();
    EXPECT_NEAR(width.chopped(2).toDouble(), 553 * 25.4 / 96, 0.001);
    EXPECT_NEAR(height.chopped(2).toDouble(), 337 * 25.4 / 96, 0.001);
}
