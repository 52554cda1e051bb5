#include "app/programpage.h"

#include "app/pagestyle.h"
#include "gcode/programmemo.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

ProgramPage::ProgramPage(QWidget* parent)
    : QWidget(parent), memo2_(PageStyle::makeMemo(QStringLiteral("Memo2"), true, this)),
      edit1_(new QLineEdit(this)), memo1_(new ProgramMemo(this)),
      reportGroup_(new QGroupBox(QStringLiteral("Przekroczenia zasięgu manipulatora"), this)),
      reportMemo_(PageStyle::makeMemo(QStringLiteral("CheckReportMemo"), true, reportGroup_)) {
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

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(memo2_, 2);
    layout->addWidget(edit1_);
    layout->addWidget(memo1_, 5);
    layout->addWidget(reportGroup_, 1);
}

void ProgramPage::showReachMessages(const QStringList& lines, qsizetype total) {
    if (total == 0) {
        reportMemo_->clear();
        reportGroup_->hide();
        return;
    }
    QString text = lines.join(QLatin1Char('\n'));
    if (total > lines.size())
        text += QStringLiteral("\n… i %1 dalszych").arg(total - lines.size());
    reportMemo_->setPlainText(text);
    reportGroup_->show();
}
