#include "app/logspage.h"

#include "app/pagestyle.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

LogsPage::LogsPage(QWidget* parent)
    : QWidget(parent), memo4_(PageStyle::makeMemo(QStringLiteral("Memo4"), true, this)),
      memo3_(PageStyle::makeMemo(QStringLiteral("Memo3"), true, this)) {
    setObjectName(QStringLiteral("GkodII"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(memo4_);
    layout->addWidget(memo3_);
}
