#pragma once

#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>

class QPainter;
class QRectF;

namespace ui {

// What a bar chart shows: per label one bar of each series, on a value axis with labelled ticks.
struct BarChartData {
    struct Series {
        QString name;
        QColor color;
        QList<double> values; // one per label
    };
    QString title;
    QStringList labels;
    QList<Series> series;
    QList<double> ticks;     // the axis runs from the first tick to the last
    QStringList tickLabels;  // one per tick
};

// Paints the chart into `area` with `font` for its texts: the title, a legend, the value axis with
// its ticks and grid lines, and the bars grouped by label. Shared by the window and the printer.
void paintBarChart(QPainter& painter, const QRectF& area, const BarChartData& data, const QFont& font);

// A painted bar chart that fills its widget and follows its size.
class BarChart : public QWidget {
public:
    explicit BarChart(const QString& objectName, QWidget* parent = nullptr);

    void setData(const BarChartData& data);
    const BarChartData& data() const { return data_; }

    QSize sizeHint() const override { return {480, 240}; }
    QSize minimumSizeHint() const override { return {160, 120}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    BarChartData data_;
};

} // namespace ui
