#include "app/pagestyle.h"

#include <QFrame>
#include <QPlainTextEdit>

namespace PageStyle {

void makeSilver(QWidget* page) {
    page->setAutoFillBackground(true);
    QPalette silver = page->palette();
    silver.setColor(QPalette::Window, QColor(192, 192, 192));
    silver.setColor(QPalette::WindowText, Qt::black);
    page->setPalette(silver);
    if (auto* frame = qobject_cast<QFrame*>(page)) {
        frame->setFrameStyle(QFrame::Box | QFrame::Plain);
        frame->setLineWidth(1);
    }
}

QPlainTextEdit* makeMemo(const QString& objectName, bool readOnly, QWidget* parent) {
    auto* memo = new QPlainTextEdit(parent);
    memo->setObjectName(objectName);
    memo->setReadOnly(readOnly);
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    return memo;
}

} // namespace PageStyle
