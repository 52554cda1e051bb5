#include "app/clientarea.h"

#include <QButtonGroup>
#include <QEvent>
#include <QGridLayout>
#include <QSplitter>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {
// Pages per row of the selector: the program pages, then the settings pages.
constexpr int kFirstRowPages = 4;
} // namespace

ClientArea::ClientArea(QWidget* parent)
    : QWidget(parent), splitter_(new QSplitter(Qt::Horizontal, this)) {
    setObjectName(QStringLiteral("ClientArea"));
    splitter_->setObjectName(QStringLiteral("PlotSplitter"));
    splitter_->setChildrenCollapsible(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter_);
}

void ClientArea::setParts(QWidget* plot, QWidget* reportPanel, QTabWidget* settingsBar,
                          QWidget* aboutPanel) {
    aboutPanel_ = aboutPanel;
    settingsPanel_ = new QWidget;
    settingsPanel_->setObjectName(QStringLiteral("SettingsPanel"));
    auto* panelLayout = new QVBoxLayout(settingsPanel_);
    panelLayout->setContentsMargins(0, 0, 0, 0);
    panelLayout->setSpacing(0);
    panelLayout->addWidget(buildSelector(settingsBar));
    panelLayout->addWidget(settingsBar, 1);
    settingsBar->tabBar()->hide();

    plot->setMinimumSize(200, 100);
    // The plot keeps the arm's 2:1 half disc; the reports take the room
    // below it.
    auto* left = new QSplitter(Qt::Vertical);
    plotSplitter_ = left;
    plot_ = plot;
    reportPanel_ = reportPanel;
    reportPanel->installEventFilter(this);
    left->setObjectName(QStringLiteral("PlotReportSplitter"));
    left->setChildrenCollapsible(false);
    left->addWidget(plot);
    left->addWidget(reportPanel);
    left->setStretchFactor(0, 1);
    left->setStretchFactor(1, 0);
    splitter_->addWidget(left);
    splitter_->addWidget(settingsPanel_);
    splitter_->setStretchFactor(0, 1);
    splitter_->setStretchFactor(1, 0);
    splitter_->setSizes({std::max(200, width() - kSettingsBarWidth), kSettingsBarWidth});
    aboutPanel_->setParent(this);
    aboutPanel_->move(280, 120);
    aboutPanel_->raise();
}

// Two rows of checkable buttons, one for each page, that follow the pages'
// current index both ways.
QWidget* ClientArea::buildSelector(QTabWidget* pages) {
    auto* selector = new QWidget;
    selector->setObjectName(QStringLiteral("PageSelector"));
    auto* grid = new QGridLayout(selector);
    grid->setContentsMargins(2, 2, 2, 2);
    grid->setSpacing(2);
    auto* group = new QButtonGroup(selector);
    group->setExclusive(true);
    pages_ = pages;
    pageButtons_ = group;
    for (int i = 0; i < pages->count(); ++i) {
        auto* button = new QToolButton(selector);
        button->setObjectName(QStringLiteral("PageButton%1").arg(i));
        button->setText(pages->tabText(i));
        button->setCheckable(true);
        button->setAutoRaise(false);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        const bool firstRow = i < kFirstRowPages;
        grid->addWidget(button, firstRow ? 0 : 1, firstRow ? i : i - kFirstRowPages);
        group->addButton(button, i);
    }
    group->button(pages->currentIndex())->setChecked(true);
    connect(group, &QButtonGroup::idClicked, pages, &QTabWidget::setCurrentIndex);
    connect(pages, &QTabWidget::currentChanged, group, [group](int index) {
        if (QAbstractButton* button = group->button(index))
            button->setChecked(true);
    });
    return selector;
}

void ClientArea::showPageTitles() {
    for (int i = 0; pages_ && i < pages_->count(); ++i)
        pageButtons_->button(i)->setText(pages_->tabText(i));
}

void ClientArea::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (aboutPanel_)
        aboutPanel_->raise();
    fitPlot();
}

bool ClientArea::eventFilter(QObject* watched, QEvent* event) {
    if (watched == reportPanel_ && (event->type() == QEvent::Show || event->type() == QEvent::Hide))
        fitPlot();
    return QWidget::eventFilter(watched, event);
}

// The plot as tall as its 2:1 picture needs at its width; the reports take
// the rest.
void ClientArea::fitPlot() {
    if (!plotSplitter_ || reportPanel_->isHidden())
        return;
    const int total = plotSplitter_->height() - plotSplitter_->handleWidth();
    const int plot = std::clamp(plot_->width() / 2, plot_->minimumHeight(),
                                std::max(plot_->minimumHeight(), total - kSmallestReport));
    plotSplitter_->setSizes({plot, std::max(0, total - plot)});
}
