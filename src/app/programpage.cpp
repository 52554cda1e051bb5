#include "app/programpage.h"

#include "app/layertable.h"
#include "app/pagestyle.h"
#include "gcode/pathcheck.h"
#include "gcode/programmemo.h"

#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTreeWidget>
#include <QVBoxLayout>

ProgramPage::ProgramPage(QWidget* parent)
    : QWidget(parent), memo2_(PageStyle::makeMemo(QStringLiteral("Memo2"), true, this)),
      edit1_(new QLineEdit(this)), memo1_(new ProgramMemo(this)), reportGroup_(new QGroupBox(this)),
      reportMemo_(PageStyle::makeMemo(QStringLiteral("CheckReportMemo"), true, reportGroup_)),
      pathGroup_(new QGroupBox(this)), pathList_(new QTreeWidget(pathGroup_)),
      importGroup_(new QGroupBox(this)),
      importMemo_(PageStyle::makeMemo(QStringLiteral("ImportReportMemo"), true, importGroup_)),
      layerTable_(new LayerTable(this)) {
    setObjectName(QStringLiteral("Gkod"));
    edit1_->setObjectName(QStringLiteral("Edit1"));
    QFont large = edit1_->font();
    large.setPointSize(14);
    edit1_->setFont(large);
    memo1_->setObjectName(QStringLiteral("Memo1"));

    reportGroup_->setObjectName(QStringLiteral("CheckReportGroup"));
    auto* reportLayout = new QVBoxLayout(reportGroup_);
    reportLayout->setContentsMargins(2, 2, 2, 2);
    reportLayout->addWidget(reportMemo_);
    reportGroup_->hide();

    importGroup_->setObjectName(QStringLiteral("ImportReportGroup"));
    auto* importLayout = new QVBoxLayout(importGroup_);
    importLayout->setContentsMargins(2, 2, 2, 2);
    importLayout->addWidget(importMemo_);
    importGroup_->hide();
    // Long lines wrap: nothing of a report is cut off.
    for (QPlainTextEdit* memo : {reportMemo_, importMemo_})
        memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);

    pathGroup_->setObjectName(QStringLiteral("PathCheckGroup"));
    pathList_->setObjectName(QStringLiteral("PathFindingsList"));
    pathList_->setRootIsDecorated(false);
    pathList_->setUniformRowHeights(true);
    pathList_->header()->setStretchLastSection(true);
    auto* pathLayout = new QVBoxLayout(pathGroup_);
    pathLayout->setContentsMargins(2, 2, 2, 2);
    pathLayout->addWidget(pathList_);
    pathGroup_->hide();
    connect(pathList_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
        const QVariant line = item->data(0, Qt::UserRole);
        if (line.isValid())
            emit findingChosen(line.toLongLong());
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(memo2_, 2);
    layout->addWidget(edit1_);
    layout->addWidget(memo1_, 5);
    layout->addWidget(layerTable_, 2);

    // The reports stand side by side under the plot, where the window has
    // room for them; the panel shows while one of them has something to say.
    reportPanel_ = new QWidget(this);
    reportPanel_->setObjectName(QStringLiteral("ReportPanel"));
    auto* panelLayout = new QHBoxLayout(reportPanel_);
    panelLayout->setContentsMargins(2, 2, 2, 2);
    for (QGroupBox* group : {importGroup_, reportGroup_, pathGroup_}) {
        group->setParent(reportPanel_);
        panelLayout->addWidget(group, 1);
    }
    reportPanel_->hide();
    retranslate();
}

// The lists' contents stay in the language they were made in, as a log does;
// the next preparation makes them anew.
void ProgramPage::retranslate() {
    importGroup_->setTitle(tr("Import rysunku"));
    reportGroup_->setTitle(tr("Przekroczenia zasięgu manipulatora"));
    pathGroup_->setTitle(tr("Ruchy przez obszar zabroniony i oś Y"));
    pathList_->setHeaderLabels({tr("Rodzaj"), tr("Blok"), tr("Opis")});
}

void ProgramPage::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

namespace {

QString kindText(const PathFinding& finding) {
    if (finding.kind == PathFindingKind::Zone)
        return ProgramPage::tr("obszar zabroniony");
    return finding.penDown ? ProgramPage::tr("oś Y, pisak w dół") : ProgramPage::tr("oś Y");
}

} // namespace

void ProgramPage::showPathFindings(const PathCheckReport& report) {
    pathList_->clear();
    QList<QTreeWidgetItem*> items;
    qsizetype total = 0;
    for (const PathFinding& finding : report.findings()) {
        if (finding.kind == PathFindingKind::Reach)
            continue;
        if (++total > kListedReachMessages)
            continue;
        auto* item =
            new QTreeWidgetItem({kindText(finding), QString::fromLatin1(report.blockWord(finding)),
                                 report.text(finding)});
        item->setData(0, Qt::UserRole, qlonglong(finding.line));
        item->setToolTip(2, item->text(2)); // in full, however narrow the column
        items << item;
    }
    if (total > kListedReachMessages) {
        auto* more = new QTreeWidgetItem(
            {QString(), QString(), tr("… i %1 dalszych").arg(total - items.size())});
        more->setFlags(Qt::NoItemFlags);
        items << more;
    }
    pathList_->addTopLevelItems(items);
    pathList_->resizeColumnToContents(0);
    pathList_->resizeColumnToContents(1);
    pathGroup_->setVisible(total > 0);
    updateReportPanel();
}

void ProgramPage::showImportReport(const QStringList& lines) {
    importMemo_->setPlainText(lines.join(QLatin1Char('\n')));
    importGroup_->setVisible(!lines.isEmpty());
    updateReportPanel();
}

void ProgramPage::updateReportPanel() {
    reportPanel_->setVisible(!importGroup_->isHidden() || !reportGroup_->isHidden() ||
                             !pathGroup_->isHidden());
}

void ProgramPage::showReachMessages(const QStringList& lines, qsizetype total) {
    if (total == 0) {
        reportMemo_->clear();
        reportGroup_->hide();
        updateReportPanel();
        return;
    }
    QString text = lines.join(QLatin1Char('\n'));
    if (total > lines.size())
        text += QLatin1Char('\n') + tr("… i %1 dalszych").arg(total - lines.size());
    reportMemo_->setPlainText(text);
    reportGroup_->show();
    updateReportPanel();
}
