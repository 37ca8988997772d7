#include "gui/monitor/value_plot.h"

#include "core/resources/messages_monitor_diagnostics.h"
#include "gui/app/gui_text.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QListWidget>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <iterator>
#include <limits>

namespace brenmoor::gui {

namespace {

constexpr int kKeyRole = Qt::UserRole + 1;
// The legend names a line by slave and starting address; the list beside
// the plot has the command's name.
constexpr int kShortNameRole = Qt::UserRole + 2;

struct WindowChoice {
    MessageId text;
    int64_t ms; // 0: the whole session
};
constexpr WindowChoice kWindows[] = {{msg::PlotWindowMinute, 60'000},
                                     {msg::PlotWindowTenMinutes, 600'000},
                                     {msg::PlotWindowHour, 3'600'000},
                                     {msg::PlotWindowSession, 0}};

QLabel* labelFor(MessageId text, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(qtext(text), parent);
    label->setBuddy(buddy);
    buddy->setAccessibleName(label->text());
    return label;
}

} // namespace

ValuePlot::ValuePlot(const monitor::MonitorDiagnostics& diagnostics, QWidget* parent)
    : QWidget(parent), diagnostics_(diagnostics) {
    commands_ = new QListWidget(this);
    commands_->setObjectName(QStringLiteral("plotCommands"));
    window_ = new QComboBox(this);
    window_->setObjectName(QStringLiteral("plotWindow"));
    for (const WindowChoice& choice : kWindows)
        window_->addItem(qtext(choice.text));
    window_->setCurrentIndex(1);
    position_ = new QScrollBar(Qt::Horizontal, this);
    position_->setObjectName(QStringLiteral("plotPosition"));
    position_->setRange(0, 0);

    chart_ = new QChart;
    chart_->legend()->setAlignment(Qt::AlignBottom);
    // Beside the list the plot has little room: no margins, few ticks, and
    // the times and the legend say what the axes are.
    chart_->setMargins(QMargins(0, 0, 0, 0));
    chart_->setBackgroundRoundness(0);
    timeAxis_ = new QDateTimeAxis(chart_);
    timeAxis_->setFormat(QStringLiteral("HH:mm:ss"));
    timeAxis_->setTickCount(3);
    valueAxis_ = new QValueAxis(chart_);
    valueAxis_->setLabelFormat(QStringLiteral("%g"));
    chart_->addAxis(timeAxis_, Qt::AlignBottom);
    chart_->addAxis(valueAxis_, Qt::AlignLeft);
    view_ = new QChartView(chart_, this);
    view_->setObjectName(QStringLiteral("plotView"));
    // A drawing, named after its tab.
    view_->setAccessibleName(qtext(msg::PlotTab));
    view_->setMinimumSize(240, 200);

    commands_->setFixedWidth(220);
    auto* left = new QVBoxLayout;
    left->addWidget(labelFor(msg::PlotCommandsLabel, commands_, this));
    left->addWidget(commands_, 1);
    auto* top = new QHBoxLayout;
    top->addLayout(left);
    top->addWidget(view_, 3);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(labelFor(msg::PlotWindowLabel, window_, this));
    bottom->addWidget(window_);
    bottom->addWidget(labelFor(msg::PlotPositionLabel, position_, this));
    bottom->addWidget(position_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(top, 1);
    layout->addLayout(bottom);

    connect(commands_, &QListWidget::itemChanged, this, [this] { redraw(); });
    connect(window_, &QComboBox::currentIndexChanged, this, [this] { refresh(); });
    connect(position_, &QScrollBar::valueChanged, this, [this](int value) {
        following_ = value >= position_->maximum();
        redraw();
    });
}

int64_t ValuePlot::windowMs() const {
    const int index = std::clamp(window_->currentIndex(), 0, int(std::size(kWindows)) - 1);
    return kWindows[index].ms;
}

void ValuePlot::syncCommands() {
    // Entries only grow until a reset; a reset keeps the ticked commands
    // that come back. A name may change as later records settle a tie.
    for (const auto& entry : diagnostics_.statistics().entries()) {
        const uint32_t key = monitor::ValueHistory::keyOf(entry.slave, entry.start);
        const QString shortName = QStringLiteral("%1:%2").arg(entry.slave).arg(entry.start);
        const QString text = shortName + QLatin1Char(' ') + qtext(diagnostics_.commandText(entry));
        QListWidgetItem* item = nullptr;
        for (int row = 0; row < commands_->count() && !item; ++row)
            if (commands_->item(row)->data(kKeyRole).toUInt() == key)
                item = commands_->item(row);
        if (!item) {
            item = new QListWidgetItem(commands_);
            item->setData(kKeyRole, key);
            item->setData(kShortNameRole, shortName);
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            item->setCheckState(Qt::Unchecked);
        }
        if (item->text() != text) {
            item->setText(text);
            item->setToolTip(text);
        }
    }
}

void ValuePlot::refresh() {
    const QSignalBlocker blocker(commands_);
    syncCommands();
    // The scroll bar runs over the session in seconds; its end is now.
    const int64_t window = windowMs();
    const int end = static_cast<int>(
        std::min<int64_t>(diagnostics_.elapsedMs() / 1000, std::numeric_limits<int>::max()));
    {
        const QSignalBlocker positionBlocker(position_);
        position_->setRange(
            window == 0 ? end : static_cast<int>(std::min<int64_t>(window / 1000, end)), end);
        position_->setPageStep(static_cast<int>(std::max<int64_t>(1, window / 1000)));
        if (following_ || window == 0)
            position_->setValue(end);
    }
    redraw();
}

std::map<QString, QLineSeries*> ValuePlot::lines() const {
    std::map<QString, QLineSeries*> named;
    for (const auto& [key, series] : series_)
        named[series->name()] = series;
    return named;
}

void ValuePlot::redraw() {
    const monitor::ValueHistory& history = diagnostics_.history();
    const int64_t window = windowMs();
    const int64_t toMs =
        following_ || window == 0 ? diagnostics_.elapsedMs() : int64_t{position_->value()} * 1000;
    // A session shorter than the window fills it from its start.
    const int64_t fromMs = window == 0 ? history.firstMs() : std::max<int64_t>(0, toMs - window);
    const qreal startWall = static_cast<qreal>(diagnostics_.sessionStartWallMs());

    std::map<std::pair<uint32_t, size_t>, QList<QPointF>> points;
    std::map<uint32_t, QString> names;
    for (int row = 0; row < commands_->count(); ++row) {
        const QListWidgetItem* item = commands_->item(row);
        if (item->checkState() != Qt::Checked)
            continue;
        const uint32_t key = item->data(kKeyRole).toUInt();
        names[key] = item->data(kShortNameRole).toString();
        history.forEach(key, fromMs, toMs, [&](const monitor::ValueHistory::Sample& sample) {
            const auto values = diagnostics_.plotValues(sample, kValuesPerCommand);
            for (size_t i = 0; i < values.size(); ++i)
                points[{key, i}].append(
                    QPointF(startWall + static_cast<qreal>(sample.elapsedMs), values[i]));
        });
    }

    // Lines of commands no longer ticked go; the others are replaced whole,
    // which Qt Charts does in one step.
    for (auto it = series_.begin(); it != series_.end();) {
        if (points.count(it->first) == 0) {
            chart_->removeSeries(it->second);
            delete it->second;
            it = series_.erase(it);
        } else {
            ++it;
        }
    }
    bool added = false;
    double low = std::numeric_limits<double>::max();
    double high = std::numeric_limits<double>::lowest();
    for (auto& [id, list] : points) {
        if (list.size() > kMaxPoints) {
            const qsizetype stride = (list.size() + kMaxPoints - 1) / kMaxPoints;
            QList<QPointF> thinned;
            for (qsizetype i = 0; i < list.size(); i += stride)
                thinned.append(list[i]);
            thinned.append(list.back());
            list = std::move(thinned);
        }
        for (const QPointF& point : list) {
            low = std::min(low, point.y());
            high = std::max(high, point.y());
        }
        QLineSeries*& series = series_[id];
        if (!series) {
            added = true;
            series = new QLineSeries;
            series->setName(kValuesPerCommand == 1
                                ? names[id.first]
                                : QStringLiteral("%1 [%2]").arg(names[id.first]).arg(id.second));
            chart_->addSeries(series);
            series->attachAxis(timeAxis_);
            series->attachAxis(valueAxis_);
        }
        series->replace(list);
    }
    timeAxis_->setRange(QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(startWall) + fromMs),
                        QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(startWall) +
                                                       std::max(toMs, fromMs + 1000)));
    // Qt Charts 6.4 leaves a time axis without labels when its first lines
    // come after it was shown; laying the labels out again brings them.
    if (added) {
        timeAxis_->setLabelsVisible(false);
        timeAxis_->setLabelsVisible(true);
    }
    if (low > high) {
        low = 0;
        high = 1;
    } else if (low == high) {
        low -= 1;
        high += 1;
    }
    valueAxis_->setRange(low, high);
}

} // namespace brenmoor::gui
