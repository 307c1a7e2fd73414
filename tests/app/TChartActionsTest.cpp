// Copy, save and print from the calculator window: keyboard, clipboard, context menu, print to PDF.
// The dialogs and the menu are answered by the tests instead of the user.

#include "PdfText.h"
#include "WindowTestSupport.h"

#include "app/TForm1.h"
#include "app/cli/Calculation.h"
#include "platform/ChartRendering.h"
#include "platform/TApplication.h"
#include "platform/TChartWidget.h"
#include "platform/TModalDialogs.h"
#include "platform/form/TButton.h"
#include "platform/form/TEdit.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMimeData>
#include <QPrinter>
#include <QTemporaryDir>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

class ChartActions : public TWindowTestSuite {
protected:
    void SetUp() override
    {
        ResetModel();
        TApplication::SetErrorBox([this](const std::string&, const std::string& text) { errors.push_back(text); });
        TModalDialogs::ReplacePopup([this](QMenu& menu, QPoint) {
            menus.emplace_back();
            for (QAction* action : menu.actions())
                if (!action->isSeparator())
                    menus.back().push_back(action->text().toStdString());
            if (choose)
                choose(menu);
        });
        form = std::make_unique<TForm1>();
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        form->FormActivate();
        form->Edit1->SetText("237");
        form->Button1->click();
        QGuiApplication::clipboard()->clear();
    }
    void TearDown() override
    {
        TModalDialogs::ReplaceSaveFile({});
        TModalDialogs::ReplacePrint({});
        TModalDialogs::ReplacePopup({});
        TApplication::SetErrorBox({});
        form.reset();
    }

    // The three lines calc prints for the same inputs.
    static QString CalcOutput()
    {
        cli::TCalcTexts texts;
        std::string reason;
        EXPECT_TRUE(cli::Calculate("237", "270.0", "0", cli::TFieldNames::Options, texts, reason)) << reason;
        return QString::fromStdString("Multiplier: " + texts.multiplier + "\nRelative Quality: " + texts.relativeQuality
            + "\nInverse: " + texts.inverse + "\n");
    }

    QImage ChartPicture()
    {
        TChart& chart = form->Chart1->Chart();
        return RenderChart(chart, chart.Width(), chart.Height());
    }

    void Press(int key, QWidget* focus)
    {
        focus->setFocus();
        QTest::keyClick(focus, static_cast<Qt::Key>(key), Qt::ControlModifier);
    }

    std::unique_ptr<TForm1> form;
    std::vector<std::string> errors;
    std::vector<std::vector<std::string>> menus;
    std::function<void(QMenu&)> choose;
};

QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

TEST_F(ChartActions, CtrlCOutsideATextFieldCopiesTheResultsAndTheChartInOneEntry)
{
    Press(Qt::Key_C, form->Button1);
    const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(copied, nullptr);
    EXPECT_EQ(copied->text(), CalcOutput());
    ASSERT_TRUE(copied->hasImage());
    const QImage image = qvariant_cast<QImage>(copied->imageData()).convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(image, ChartPicture().convertToFormat(QImage::Format_RGB32));
    EXPECT_TRUE(errors.empty());
}

TEST_F(ChartActions, CtrlCInATextFieldCopiesTheFieldsSelection)
{
    form->Edit1->setFocus();
    form->Edit1->selectAll();
    QTest::keyClick(form->Edit1, Qt::Key_C, Qt::ControlModifier);
    const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(copied, nullptr);
    EXPECT_EQ(copied->text(), QStringLiteral("237"));
    EXPECT_FALSE(copied->hasImage());
}

// The extension typed decides the format; without one, the selected filter gives the format and its
// extension. A write that fails leaves nothing behind and says why in the error box.
TEST_F(ChartActions, CtrlSSavesTheChartInTheFormatTypedOrChosenInTheDialog)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    struct TCase {
        QString Typed;
        int Filter;
        QString Written;
        QByteArray Start;
    };
    const TCase cases[] = {
        {"chart", 0, "chart.png", "\x89PNG"},
        {"drawing.svg", 1, "drawing.svg", "<?xml"},
        {"page", 2, "page.pdf", "%PDF-"},
        {"PAGE.PDF", 2, "PAGE.PDF", "%PDF-"},
        {"photo.jpg", 0, "photo.jpg.png", "\x89PNG"},
        {"typed.svg", 0, "typed.svg", "<?xml"},
        {"Typed.Pdf", 1, "Typed.Pdf", "%PDF-"},
        {"typed.png", 2, "typed.png", "\x89PNG"},
        {"v1.2/typed", 1, "v1.2/typed.svg", "<?xml"},
    };
    ASSERT_TRUE(QDir(dir.path()).mkdir("v1.2"));
    for (const TCase& c : cases) {
        TModalDialogs::ReplaceSaveFile([&](QWidget*, const QString&, const QString& proposed, const QStringList& filters) {
            EXPECT_EQ(filters.size(), 3);
            // A name is proposed, in the format of the filter selected first.
            EXPECT_EQ(proposed, "chart.png");
            EXPECT_TRUE(filters.value(0).contains("*.png"));
            return TModalDialogs::TSaveChoice{dir.filePath(c.Typed), filters.value(c.Filter)};
        });
        Press(Qt::Key_S, form->Button1);
        EXPECT_TRUE(FileBytes(dir.filePath(c.Written)).startsWith(c.Start)) << c.Written.toStdString();
    }
    EXPECT_TRUE(errors.empty());

    TModalDialogs::ReplaceSaveFile([&](QWidget*, const QString&, const QString&, const QStringList& filters) {
        return TModalDialogs::TSaveChoice{dir.filePath("missing/chart.png"), filters.value(0)};
    });
    Press(Qt::Key_S, form->Edit1);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors.front(), "cannot write " + dir.filePath("missing/chart.png").toStdString() + ": No such file or directory.");

    TModalDialogs::ReplaceSaveFile([](QWidget*, const QString&, const QString&, const QStringList&) { return std::nullopt; });
    Press(Qt::Key_S, form->Button1);
    EXPECT_EQ(errors.size(), 1u);
}

// Printed through the print dialog onto a PDF file: the page holds the chart's texts, drawn while
// PrintingNow was set; a cancelled dialog prints nothing.
TEST_F(ChartActions, CtrlPPrintsTheChartOnThePrinterTheDialogSetUp)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("printed.pdf");
    TModalDialogs::ReplacePrint([&](QPrinter& printer, QWidget*) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        return true;
    });
    bool printing = false;
    form->Chart1->Chart().OnAfterDraw = [&] { printing = form->Chart1->Chart().PrintingNow(); };
    Press(Qt::Key_P, form->Button1);
    EXPECT_TRUE(printing);
    EXPECT_FALSE(form->Chart1->Chart().PrintingNow());
    const std::string text = PdfText(path);
    for (const char* expected : {"Relation of Hardness to Equivalent Protection", "Hardness", "Equivalent Protection of 320 BHN",
             "200", "360", "0.9", "1.5", "Selected", "APFSDS"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected;
    EXPECT_TRUE(errors.empty());

    QFile::remove(path);
    TModalDialogs::ReplacePrint([](QPrinter&, QWidget*) { return false; });
    Press(Qt::Key_P, form->Button1);
    EXPECT_FALSE(QFile::exists(path));
}

// A right click on the chart opens its menu, whose Copy results copies the lines calc prints.
TEST_F(ChartActions, TheChartsContextMenuOffersCopySaveAndPrint)
{
    choose = [](QMenu& menu) {
        for (QAction* action : menu.actions())
            if (action->text() == QStringLiteral("Copy results"))
                action->trigger();
    };
    QTest::mouseClick(form->Chart1, Qt::RightButton, Qt::NoModifier, QPoint(200, 150));
    ASSERT_EQ(menus.size(), 1u);
    EXPECT_EQ(menus.front(), (std::vector<std::string>{"Copy chart", "Copy results", "Save chart as\u2026", "Print\u2026"}));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), CalcOutput());

    choose = [](QMenu& menu) { menu.actions().front()->trigger(); };
    QTest::mouseClick(form->Chart1, Qt::RightButton, Qt::NoModifier, QPoint(200, 150));
    EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
        ChartPicture().convertToFormat(QImage::Format_RGB32));
}
