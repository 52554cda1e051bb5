#include "app/aboutpanel.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
// The title of the work, five lines translated when shown.
const char* const kTitleLines[AboutPanel::kTitleLineCount] = {
    QT_TRANSLATE_NOOP("AboutPanel", "SCARA"),
    QT_TRANSLATE_NOOP("AboutPanel", "Stacja sterowania"),
    QT_TRANSLATE_NOOP("AboutPanel", "manipulatorem typu SCARA"),
    QT_TRANSLATE_NOOP("AboutPanel", "z pisakiem"),
    QT_TRANSLATE_NOOP("AboutPanel", "wersja 0.1"),
};

// A small drawing of the two-link arm over its working half-circle.
QPixmap armPicture() {
    QPixmap picture(96, 96);
    picture.fill(QColor(192, 192, 192));
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::darkGray, 1));
    painter.drawArc(QRectF(4, 48, 88, 88), 0, 180 * 16);
    const QPointF base(48, 92), elbow(28, 56), pen(66, 30);
    painter.setPen(QPen(QColor(0, 0, 128), 6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(base, elbow);
    painter.setPen(QPen(QColor(0, 0, 255), 5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(elbow, pen);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawEllipse(base, 5, 5);
    painter.drawEllipse(elbow, 3.5, 3.5);
    painter.setBrush(Qt::red);
    painter.drawEllipse(pen, 3, 3);
    return picture;
}
} // namespace

AboutPanel::AboutPanel(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("Panel1"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setAutoFillBackground(true);
    QPalette silver = palette();
    silver.setColor(QPalette::Window, QColor(192, 192, 192));
    setPalette(silver);
    move(280, 120);

    auto* picture = new QLabel(this);
    picture->setPixmap(armPicture());
    picture->setAlignment(Qt::AlignTop);

    auto* titles = new QVBoxLayout;
    QFont serif(QStringLiteral("Serif"));
    serif.setStyleHint(QFont::Serif);
    serif.setPixelSize(16);
    for (QLabel*& label : titleLines_) {
        label = new QLabel(this);
        label->setFont(serif);
        titles->addWidget(label);
    }
    titles->addStretch();

    auto* top = new QHBoxLayout;
    top->addWidget(picture);
    top->addLayout(titles, 1);

    ok_ = new QPushButton(this);
    ok_->setObjectName(QStringLiteral("Button6"));
    connect(ok_, &QPushButton::clicked, this, &QWidget::hide);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(ok_, 0, Qt::AlignHCenter);
    retranslate();
    hide();
}

void AboutPanel::retranslate() {
    for (std::size_t i = 0; i < titleLines_.size(); ++i)
        titleLines_[i]->setText(tr(kTitleLines[i]));
    ok_->setText(tr("OK"));
    // 329 x 241, or larger where the fonts need more room: no line is cut.
    resize(QSize(329, 241).expandedTo(sizeHint()));
}

void AboutPanel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QFrame::changeEvent(event);
}
