#pragma once

#include <QProcess>
#include <QRegularExpression>
#include <QString>

#include <gtest/gtest.h>

#include <string>
#include <vector>

// The texts a PDF file shows, as pdftotext (poppler-utils) extracts them.
inline std::string PdfText(const QString& path)
{
    QProcess extract;
    extract.start("pdftotext", {"-layout", path, "-"});
    EXPECT_TRUE(extract.waitForFinished(60000)) << "pdftotext (poppler-utils) is needed";
    return extract.readAllStandardOutput().toStdString();
}

// A word a PDF page shows and its box, in points from the page's top left corner.
struct TPdfWord {
    std::string Text;
    double Left = 0;
    double Top = 0;
    double Right = 0;
    double Bottom = 0;
};

// The words of a PDF file with their boxes, as pdftotext (poppler-utils) finds them.
inline std::vector<TPdfWord> PdfWords(const QString& path)
{
    QProcess extract;
    extract.start("pdftotext", {"-bbox", path, "-"});
    EXPECT_TRUE(extract.waitForFinished(60000)) << "pdftotext (poppler-utils) is needed";
    const QString html = QString::fromUtf8(extract.readAllStandardOutput());
    static const QRegularExpression word(
        R"re(<word xMin="([-0-9.]+)" yMin="([-0-9.]+)" xMax="([-0-9.]+)" yMax="([-0-9.]+)">([^<]*)</word>)re");
    std::vector<TPdfWord> words;
    for (const QRegularExpressionMatch& m : word.globalMatch(html))
        words.push_back({m.captured(5).toStdString(), m.captured(1).toDouble(), m.captured(2).toDouble(),
            m.captured(3).toDouble(), m.captured(4).toDouble()});
    return words;
}
