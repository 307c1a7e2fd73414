// The calculator's chart drawn with plain QPainter calls and nothing else of ours but the curves:
// the floor a chart picture costs in memory. bhnplainchart FILE.png [WIDTHxHEIGHT]

#include "model/BHNcalc.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPolygonF>

#include <cstdio>
#include <string>

namespace {

struct TCurveLine {
    const BHNcalc::TCurve* Values;
    QColor Color;
    const char* Name;
};

void DrawChart(QImage& image)
{
    const int width = image.width();
    const int height = image.height();
    image.fill(QColor(239, 239, 239));
    QPainter painter(&image);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    font.setStyleStrategy(QFont::NoAntialias);
    font.setKerning(false);
    const QRect plot(55, 30, width - 155, height - 75);
    painter.fillRect(plot, QColor(192, 192, 192));
    painter.setPen(Qt::black);
    painter.drawRect(plot);
    QFont bold = font;
    bold.setBold(true);
    painter.setFont(bold);
    painter.drawText(QRect(0, 8, width, 16), Qt::AlignHCenter, QStringLiteral("Relation of Hardness to Equivalent Protection"));
    painter.setFont(font);
    const auto xOf = [&](double bhn) { return plot.left() + (bhn - 200) / 160.0 * plot.width(); };
    const auto yOf = [&](double protection) { return plot.bottom() - (protection - 0.9) / 0.6 * plot.height(); };
    painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
    for (int bhn = 200; bhn <= 360; bhn += 10) {
        painter.drawLine(QPointF(xOf(bhn), plot.top()), QPointF(xOf(bhn), plot.bottom()));
        painter.drawText(QPointF(xOf(bhn) - 9, plot.bottom() + 14), QString::number(bhn));
    }
    for (int step = 0; step <= 6; ++step) {
        const double protection = 0.9 + step * 0.1;
        painter.drawLine(QPointF(plot.left(), yOf(protection)), QPointF(plot.right(), yOf(protection)));
        painter.drawText(QPointF(plot.left() - 25, yOf(protection) + 4), QString::number(protection));
    }
    painter.setPen(Qt::black);
    painter.drawText(QRect(plot.left(), plot.bottom() + 18, plot.width(), 14), Qt::AlignHCenter, QStringLiteral("Hardness"));
    painter.save();
    painter.translate(12, plot.center().y());
    painter.rotate(-90);
    painter.drawText(QRect(-plot.height() / 2, -7, plot.height(), 14), Qt::AlignHCenter, QStringLiteral("Equivalent Protection of 320 BHN"));
    painter.restore();

    BHNcalc::SelectCurve(0);
    const TCurveLine curves[] = {{&BHNcalc::SelectedCurve, Qt::black, "Selected"}, {&BHNcalc::Curve0To35, Qt::green, "0\u00b0-35\u00b0"},
        {&BHNcalc::Curve40To60, QColor(0, 128, 255), "40\u00b0-60\u00b0"}, {&BHNcalc::CurveAPFSDS, QColor(0, 128, 128), "APFSDS"},
        {&BHNcalc::CurveM62, Qt::red, "3\" M62"}, {&BHNcalc::CurveM79, QColor(128, 0, 255), "3\" M79"}};
    painter.setClipRect(plot.adjusted(1, 1, -1, -1));
    for (const TCurveLine& curve : curves) {
        QPolygonF line;
        for (int i = 0; i < BHNcalc::GridPoints; ++i)
            line << QPointF(xOf(BHNcalc::GridBHN(i)), yOf((*curve.Values)[static_cast<std::size_t>(i)]));
        painter.setPen(curve.Color);
        painter.drawPolyline(line);
    }
    painter.setBrush(Qt::black);
    for (int i = 0; i < BHNcalc::GridPoints; ++i) {
        const QPointF p(xOf(BHNcalc::GridBHN(i)), yOf(BHNcalc::SelectedCurve[static_cast<std::size_t>(i)]));
        painter.drawPolygon(QPolygonF{p + QPointF(-3, 0), p + QPointF(0, -3), p + QPointF(3, 0), p + QPointF(0, 3)});
    }
    painter.setPen(Qt::magenta);
    painter.drawLine(QPointF(xOf(237), plot.top()), QPointF(xOf(237), plot.bottom()));
    painter.setPen(Qt::blue);
    painter.drawLine(QPointF(xOf(270), plot.top()), QPointF(xOf(270), plot.bottom()));
    painter.setClipping(false);

    const QRect legend(plot.right() + 10, plot.top(), 80, 6 * 13 + 4);
    painter.setPen(Qt::black);
    painter.setBrush(Qt::black);
    painter.drawRect(legend.translated(3, 3));
    painter.setBrush(Qt::white);
    painter.drawRect(legend);
    for (int i = 0; i < 6; ++i) {
        const int y = legend.top() + 2 + i * 13;
        painter.setPen(curves[i].Color);
        painter.drawLine(legend.left() + 4, y + 7, legend.left() + 14, y + 7);
        painter.setPen(Qt::black);
        painter.drawText(QPointF(legend.left() + 18, y + 11), QString::fromUtf8(curves[i].Name));
    }
}

}

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: bhnplainchart FILE.png [WIDTHxHEIGHT]\n");
        return 2;
    }
    int width = 553;
    int height = 337;
    if (argc > 2 && std::sscanf(argv[2], "%dx%d", &width, &height) != 2)
        return 2;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    BHNcalc::Initialize();
    QGuiApplication application(argc, argv);
    QImage image(width, height, QImage::Format_RGB32);
    DrawChart(image);
    return image.save(QString::fromLocal8Bit(argv[1]), "PNG") ? 0 : 1;
}
