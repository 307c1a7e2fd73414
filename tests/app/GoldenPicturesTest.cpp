#include "app/ProgramRun.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextStream>

#include <string>
#include <vector>

namespace {

// One picture of the golden list: the golden's file name and the program's arguments, OUT for the file.
struct TGoldenPicture {
    QString name;
    QStringList args;
};

std::vector<TGoldenPicture> ReadGoldenList()
{
    QFile file(QStringLiteral(BHN_GOLDEN_DIR "/pictures"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    std::vector<TGoldenPicture> pictures;
    QTextStream in(&file);
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        QStringList words = line.split(' ', Qt::SkipEmptyParts);
        const QString name = words.takeFirst();
        pictures.push_back({name, words});
    }
    return pictures;
}

// Draws one picture with the real program, without a display, as a user's command would.
bool Draw(const TGoldenPicture& picture, const QString& out)
{
    QStringList args = picture.args;
    args.replaceInStrings(QRegularExpression("^OUT$"), out);
    return RunProgram(args).status == 0;
}

// The first pixel where two pictures of the same size differ, and how many do.
std::string Differences(const QImage& drawn, const QImage& golden)
{
    int count = 0;
    QString first;
    for (int y = 0; y < golden.height(); ++y)
        for (int x = 0; x < golden.width(); ++x)
            if (drawn.pixel(x, y) != golden.pixel(x, y)) {
                if (count++ == 0)
                    first = QString("first at (%1, %2): %3 instead of %4")
                                .arg(x)
                                .arg(y)
                                .arg(drawn.pixel(x, y), 8, 16, QChar('0'))
                                .arg(golden.pixel(x, y), 8, 16, QChar('0'));
            }
    return QString("%1 pixels differ, %2").arg(count).arg(first).toStdString();
}

// Every golden picture, drawn afresh, must match the committed one in every byte of every pixel.
// A change meant to alter a picture redraws them with scripts/goldens and says why.
TEST(GoldenPictures, TheProgramDrawsEveryGoldenPictureUnchanged)
{
    const std::vector<TGoldenPicture> pictures = ReadGoldenList();
    ASSERT_EQ(pictures.size(), 7u);
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const TGoldenPicture& picture : pictures) {
        SCOPED_TRACE(picture.name.toStdString());
        const QString out = dir.filePath(picture.name);
        ASSERT_TRUE(Draw(picture, out));
        const QImage golden = QImage(QStringLiteral(BHN_GOLDEN_DIR "/") + picture.name).convertToFormat(QImage::Format_RGB32);
        const QImage drawn = QImage(out).convertToFormat(QImage::Format_RGB32);
        ASSERT_FALSE(golden.isNull());
        ASSERT_EQ(drawn.size(), golden.size());
        EXPECT_TRUE(drawn == golden) << Differences(drawn, golden);
    }
}

} // namespace
