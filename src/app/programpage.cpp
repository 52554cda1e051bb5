#include "app/programpage.h"

#include "app/pagestyle.h"
#include "gcode/pathcheck.h"
#include "gcode/programmemo.h"

#include <QEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTreeWidget>
#include <QVBoxLayout>

ProgramPage::ProgramPage(QWidget* parent)
    : QWidget(parent), memo2_(PageStyle::makeMemo(QStringLiteral("Memo2"), true, this)),
      edit1_(new QLineEdit(this)), memo1_(new ProgramMemo(this)), reportGroup_(new QGroupBox(this)),
      reportMemo_(PageStyle::makeMemo(QStringLiteral("CheckReportMemo"), true, reportGroup_)),
      pathGroup_(new QGroupBox(this)), pathList_(new QTreeWidget(pathGroup_)) {
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
    reportGroup_->setMaximumHeight(140);
    reportGroup_->hide();

    pathGroup_->setObjectName(QStringLiteral("PathCheckGroup"));
    pathList_->setObjectName(QStringLiteral("PathFindingsList"));
    pathList_->setRootIsDecorated(false);
    pathList_->setUniformRowHeights(true);
    pathList_->header()->setStretchLastSection(true);
    auto* pathLayout = new QVBoxLayout(pathGroup_);
    pathLayout->setContentsMargins(2, 2, 2, 2);
    pathLayout->addWidget(pathList_);
    pathGroup_->setMaximumHeight(160);
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
    layout->addWidget(reportGroup_, 1);
    layout->addWidget(pathGroup_, 1);
    retranslate();
}

// The lists' contents stay in the language they were made in, as a log does;
// the next preparation makes them anew.
void ProgramPage::retranslate() {
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
}

void ProgramPage::showReachMessages(const QStringList& lines, qsizetype total) {
    if (total == 0) {
        reportMemo_->clear();
        reportGroup_->hide();
        return;
    }
    QString text = lines.join(QLatin1Char('\n'));
    if (total > lines.size())
        text += QLatin1Char('\n') + tr("… i %1 dalszych").arg(total - lines.size());
    reportMemo_->setPlainText(text);
    reportGroup_->show();
}
