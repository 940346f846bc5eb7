#include "ui/BarChart.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

namespace ui {

void paintBarChart(QPainter& painter, const QRectF& area, const BarChartData& data, const QFont& font) {
    painter.save();
    painter.setFont(font);
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QFontMetricsF metrics(font, painter.device());
    const qreal textHeight = metrics.height();
    const qreal gap = textHeight / 2;
    QRectF rest = area.adjusted(gap, gap, -gap, -gap);

    if (!data.title.isEmpty()) {
        painter.setPen(Qt::black);
        painter.drawText(QRectF(rest.left(), rest.top(), rest.width(), textHeight), Qt::AlignCenter, data.title);
        rest.setTop(rest.top() + textHeight + gap);
    }

    // The legend: a swatch and the name of each series, in one row under the title.
    qreal x = rest.left();
    for (const BarChartData::Series& s : data.series) {
        painter.fillRect(QRectF(x, rest.top() + textHeight / 4, textHeight / 2, textHeight / 2), s.color);
        painter.setPen(Qt::black);
        painter.drawRect(QRectF(x, rest.top() + textHeight / 4, textHeight / 2, textHeight / 2));
        x += textHeight;
        painter.drawText(QPointF(x, rest.top() + metrics.ascent()), s.name);
        x += metrics.horizontalAdvance(s.name) + textHeight;
    }
    if (!data.series.isEmpty())
        rest.setTop(rest.top() + textHeight + gap);

    if (data.ticks.size() < 2) {
        painter.restore();
        return;
    }
    const double low = data.ticks.first();
    const double high = data.ticks.last();
    qreal labelWidth = 0;
    for (const QString& label : data.tickLabels)
        labelWidth = std::max(labelWidth, metrics.horizontalAdvance(label));
    // The plot: value labels on the left, code labels underneath.
    const QRectF plot(rest.left() + labelWidth + gap, rest.top() + textHeight / 2,
                      std::max<qreal>(1, rest.width() - labelWidth - gap),
                      std::max<qreal>(1, rest.height() - textHeight * 2));
    const auto yOf = [&](double value) {
        return plot.bottom() - (value - low) / (high - low) * plot.height();
    };

    for (qsizetype i = 0; i < data.ticks.size(); ++i) {
        const qreal y = yOf(data.ticks[i]);
        painter.setPen(data.ticks[i] == 0 ? QPen(Qt::black) : QPen(Qt::lightGray));
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(rest.left(), y - textHeight / 2, labelWidth, textHeight),
                         Qt::AlignRight | Qt::AlignVCenter, data.tickLabels.value(i));
    }
    painter.drawLine(plot.topLeft(), plot.bottomLeft());

    const qsizetype groups = data.labels.size();
    const qsizetype perGroup = std::max<qsizetype>(1, data.series.size());
    if (groups > 0) {
        const qreal groupWidth = plot.width() / static_cast<qreal>(groups);
        const qreal barWidth = groupWidth * 0.8 / static_cast<qreal>(perGroup);
        const qreal zero = yOf(std::clamp(0.0, low, high));
        for (qsizetype g = 0; g < groups; ++g) {
            const qreal left = plot.left() + groupWidth * static_cast<qreal>(g) + groupWidth * 0.1;
            for (qsizetype s = 0; s < data.series.size(); ++s) {
                const double value = data.series[s].values.value(g);
                const qreal y = yOf(value);
                const QRectF bar(QPointF(left + barWidth * static_cast<qreal>(s), std::min(y, zero)),
                                 QSizeF(barWidth, std::abs(y - zero)));
                painter.fillRect(bar, data.series[s].color);
                painter.setPen(Qt::black);
                painter.drawRect(bar);
            }
            // Labels too wide for their group are elided rather than run into the next one.
            const QRectF labelBox(plot.left() + groupWidth * static_cast<qreal>(g), plot.bottom() + gap / 2,
                                  groupWidth, textHeight);
            painter.drawText(labelBox, Qt::AlignHCenter | Qt::AlignTop,
                             metrics.elidedText(data.labels[g], Qt::ElideRight, groupWidth));
        }
    }
    painter.restore();
}

BarChart::BarChart(const QString& objectName, QWidget* parent) : QWidget(parent) {
    setObjectName(objectName);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
}

void BarChart::setData(const BarChartData& data) {
    data_ = data;
    update();
}

void BarChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintBarChart(painter, QRectF(rect()), data_, font());
}

} // namespace ui
