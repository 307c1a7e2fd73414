#pragma once

#include <QProcess>
#include <QString>

#include <gtest/gtest.h>

#include <string>

// The texts a PDF file shows, as pdftotext (poppler-utils) extracts them.
inline std::string PdfText(const QString& path)
{
    QProcess extract;
    extract.start("pdftotext", {"-layout", path, "-"});
    EXPECT_TRUE(extract.waitForFinished(60000)) << "pdftotext (poppler-utils) is needed";
    return extract.readAllStandardOutput().toStdString();
}
