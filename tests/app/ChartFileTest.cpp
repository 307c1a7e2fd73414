// The calculator's chart written as SVG and PDF: the same chart as the window's, drawn as vectors.

#include "PdfText.h"
#include "WindowTestSupport.h"

#include "app/TForm1.h"
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
        Form1 = form.get();
        form->FormActivate();
        form->Edit1->SetText("237");
        form->Button1->click();
    }
    void TearDown() override
    {
        Form1 = nullptr;
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

// The PDF's page is the chart's size (a point per logical pixel) and its texts can be extracted.
TEST_F(ChartFile, ThePdfIsOnePageOfTheChartsSizeWithItsTexts)
{
    const QByteArray pdf = ::ChartFile(form->Chart1->Chart(), 553, 337, TPictureFormat::Pdf);
    EXPECT_TRUE(pdf.startsWith("%PDF-"));
    const QString text = QString::fromLatin1(pdf);
    EXPECT_EQ(text.count(QRegularExpression("/Type\\s*/Page[^s]")), 1);
    EXPECT_TRUE(text.contains(QRegularExpression("/MediaBox\\s*\\[\\s*0\\s+0\\s+553(\\.0+)?\\s+337(\\.0+)?\\s*\\]")));

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
}
