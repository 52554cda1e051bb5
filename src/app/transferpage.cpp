#include "app/transferpage.h"

#include "app/pagestyle.h"
#include "controller/widgets/transferpanel.h"

#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QVBoxLayout>

TransferPage::TransferPage(QWidget* parent)
    : QWidget(parent), memo5_(PageStyle::makeMemo(QStringLiteral("Memo5"), true, this)),
      terminal_(PageStyle::makeMemo(QStringLiteral("ComTerminal1"), false, this)),
      panel_(new TransferPanel(this)) {
    setObjectName(QStringLiteral("GkodIII"));
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    terminal_->setFont(fixed);
    terminal_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    QPalette colours = terminal_->palette();
    colours.setColor(QPalette::Base, Qt::black);
    colours.setColor(QPalette::Text, Qt::white);
    terminal_->setPalette(colours);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(panel_);
    layout->addWidget(memo5_);
    layout->addWidget(terminal_);
}
