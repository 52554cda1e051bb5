// The visualisation window driven through its menu, keys and close, on the
// offscreen platform without OpenGL: everything but the picture must work,
// and a plain message stands in for the picture.
#include "motion/viewpose.h"
#include "view3d/visualisationwindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <QTranslator>

namespace {

const char* const kFieldNames[] = {"Edit3", "Edit4", "Edit5", "Edit1", "Edit2"};

} // namespace

class TestVisualisationWindow : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void createdHiddenWithItsLayout();
    void infoFieldsAtCreation();
    void menuAtCreation();
    void menuFollowsTheLanguage();
    void messageInPlaceOfThePicture();
    void fixedViewsFromTheMenu();
    void variableViewStaysChecked();
    void keysChooseViews();
    void displaySwitchesToggle();
    void hideItemTogglesVisibility();
    void keyRefreshesInfoFields_data();
    void keyRefreshesInfoFields();
    void closingEndsTheEventLoop();

private:
    QAction* action(const char* name) const { return window_->findChild<QAction*>(name); }
    QString field(const char* name) const { return window_->findChild<QLineEdit*>(name)->text(); }
    QStringList fields() const;
    QStringList checkedViews() const;

    ViewPose pose_;
    std::unique_ptr<VisualisationWindow> window_;
};

void TestVisualisationWindow::init() {
    window_ = std::make_unique<VisualisationWindow>(pose_);
}

void TestVisualisationWindow::cleanup() {
    window_.reset();
    pose_.Arm1Angle = -90.0f;
    pose_.Arm2Angle = 0.0f;
    pose_.clearPen();
}

QStringList TestVisualisationWindow::fields() const {
    QStringList texts;
    for (const char* name : kFieldNames)
        texts << field(name);
    return texts;
}

QStringList TestVisualisationWindow::checkedViews() const {
    QStringList names;
    for (const char* name : {"Zmiennywidok1", "Widok11", "Widok21", "Widok31", "Widok41"})
        if (action(name)->isChecked())
            names << QLatin1String(name);
    return names;
}

void TestVisualisationWindow::createdHiddenWithItsLayout() {
    QCOMPARE(window_->objectName(), QStringLiteral("TForm2"));
    QVERIFY(!window_->isVisible());
    QCOMPARE(window_->windowTitle(), QStringLiteral("Wizualizacja SCARA"));
    QCOMPARE(window_->size(), QSize(1024, 512));
    QCOMPARE(window_->pos(), QPoint(0, 0));
    const Qt::WindowFlags flags = window_->windowFlags();
    QVERIFY(!(flags & (Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint |
                       Qt::WindowMaximizeButtonHint | Qt::WindowSystemMenuHint)));
    QVERIFY(!window_->testAttribute(Qt::WA_QuitOnClose));
    const QTimer* timer = window_->findChild<QTimer*>("Timer1");
    QVERIFY(timer != nullptr);
    QCOMPARE(timer->interval(), 100);
    QVERIFY(timer->isActive());
    QCOMPARE(pose_.Arm1Angle.load(), -90.0f);
    QCOMPARE(window_->camera().Eye, (ViewCamera::Vector{0, 0, 20}));
}

void TestVisualisationWindow::infoFieldsAtCreation() {
    QCOMPARE(fields(), (QStringList{"x= 500", "y= 0", "z= 50", "alfa= 0", "beta= 0"}));
    const int lefts[] = {8, 136, 264, 400};
    for (int i = 0; i < 5; ++i) {
        const QLineEdit* edit = window_->findChild<QLineEdit*>(kFieldNames[i]);
        if (i < 4)
            QCOMPARE(edit->geometry().left(), lefts[i]);
        QCOMPARE(edit->height(), 21);
        QVERIFY(!edit->isEnabled());
        QCOMPARE(edit->geometry().top(), window_->findChild<QLineEdit*>("Edit3")->y());
        if (i < 3) {
            QCOMPARE(edit->width(), 121);
            continue;
        }
        // An angle in full is not cut off, and the fields do not overlap.
        const QString longest = QStringLiteral("beta= -179,99999999999999");
        QVERIFY(edit->width() >= edit->fontMetrics().horizontalAdvance(longest) + 8);
        const QLineEdit* before = window_->findChild<QLineEdit*>(kFieldNames[i - 1]);
        QVERIFY(edit->geometry().left() > before->geometry().right());
    }
}

void TestVisualisationWindow::menuAtCreation() {
    QVERIFY(window_->findChild<QMenuBar*>("MainMenu1") != nullptr);
    QCOMPARE(action("Pokaukryjwizualizacj1")->text(), QStringLiteral("Ukryj wizualizację"));
    QCOMPARE(window_->findChild<QMenu*>("Widok1")->title(), QStringLiteral("Widok"));
    QCOMPARE(checkedViews(), QStringList{"Zmiennywidok1"});
    QCOMPARE(action("Widok31")->text(), QStringLiteral("Widok 3"));
    QCOMPARE(action("Modelkrawdziowy1")->text(), QStringLiteral("Model krawędziowy"));
    QCOMPARE(action("Modelpaszczyznowy1")->text(), QStringLiteral("Model płaszczyznowy"));
    QVERIFY(action("Modelkrawdziowy1")->isChecked());
    QVERIFY(action("Modelpaszczyznowy1")->isChecked());
}

namespace {

// Marks every text of the window's own context, so that a test sees which
// texts were asked for again.
class MarkingTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* sourceText, const char*,
                      int) const override {
        if (qstrcmp(context, "VisualisationTexts") != 0)
            return {};
        return QStringLiteral("EN ") + QString::fromUtf8(sourceText);
    }
};

} // namespace

void TestVisualisationWindow::menuFollowsTheLanguage() {
    MarkingTranslator translator;
    QVERIFY(QCoreApplication::installTranslator(&translator));
    QTRY_COMPARE(window_->windowTitle(), QStringLiteral("EN Wizualizacja SCARA"));
    QCOMPARE(action("Pokaukryjwizualizacj1")->text(), QStringLiteral("EN Ukryj wizualizację"));
    QCOMPARE(window_->findChild<QMenu*>("Widok1")->title(), QStringLiteral("EN Widok"));
    QCOMPARE(action("Zmiennywidok1")->text(), QStringLiteral("EN Zmienny widok"));
    QCOMPARE(action("Widok31")->text(), QStringLiteral("EN Widok 3"));
    QCOMPARE(action("Modelkrawdziowy1")->text(), QStringLiteral("EN Model krawędziowy"));
    QCOMPARE(action("Modelpaszczyznowy1")->text(), QStringLiteral("EN Model płaszczyznowy"));
    QCOMPARE(checkedViews(), QStringList{"Zmiennywidok1"});

    QVERIFY(QCoreApplication::removeTranslator(&translator));
    QTRY_COMPARE(window_->windowTitle(), QStringLiteral("Wizualizacja SCARA"));
    QCOMPARE(action("Widok31")->text(), QStringLiteral("Widok 3"));
}

void TestVisualisationWindow::messageInPlaceOfThePicture() {
    window_->show();
    QVERIFY(window_->sceneView() == nullptr);
    const QLabel* message = window_->findChild<QLabel*>("PictureFailure");
    QVERIFY(message != nullptr);
    QVERIFY(message->isVisible());
    QVERIFY(message->text().contains(QStringLiteral("Wizualizacja jest niedostępna")));
    // The rest of the window carries on.
    QTest::keyClick(window_.get(), Qt::Key_2);
    QCOMPARE(checkedViews(), QStringList{"Widok21"});
}

void TestVisualisationWindow::fixedViewsFromTheMenu() {
    QTest::keyClick(window_.get(), Qt::Key_Left);
    action("Widok41")->trigger();
    QCOMPARE(checkedViews(), QStringList{"Widok41"});
    QCOMPARE(window_->camera().Eye, (ViewCamera::Vector{-19, 19, -19}));
    QCOMPARE(window_->camera().Up, (ViewCamera::IntVector{0, 1, 0}));
    action("Widok41")->trigger(); // choosing it again keeps it checked
    QCOMPARE(checkedViews(), QStringList{"Widok41"});
    action("Widok11")->trigger();
    QCOMPARE(checkedViews(), QStringList{"Widok11"});
    QCOMPARE(window_->camera().Eye, (ViewCamera::Vector{20, 20, 20}));
}

void TestVisualisationWindow::variableViewStaysChecked() {
    action("Zmiennywidok1")->trigger();
    QCOMPARE(checkedViews(), QStringList{"Zmiennywidok1"});
    action("Widok31")->trigger();
    action("Zmiennywidok1")->trigger();
    QCOMPARE(checkedViews(), QStringList{"Zmiennywidok1"});
    QCOMPARE(window_->camera().Eye, (ViewCamera::Vector{-1.86f, 20, 0}));
}

void TestVisualisationWindow::keysChooseViews() {
    QTest::keyClick(window_.get(), Qt::Key_1);
    QCOMPARE(checkedViews(), QStringList{"Widok11"});
    QTest::keyClick(window_.get(), Qt::Key_W);
    QCOMPARE(checkedViews(), QStringList{"Zmiennywidok1"});
    QCOMPARE(window_->camera().Eye, (ViewCamera::Vector{20, 20, 20}));
    QTest::keyClick(window_.get(), Qt::Key_3, Qt::ShiftModifier);
    QCOMPARE(checkedViews(), QStringList{"Zmiennywidok1"});
    QTest::keyClick(window_.get(), Qt::Key_Right, Qt::ControlModifier);
    QCOMPARE(window_->camera().Up, (ViewCamera::IntVector{0, 1, 1}));
}

void TestVisualisationWindow::displaySwitchesToggle() {
    action("Modelkrawdziowy1")->trigger();
    QVERIFY(!window_->switches().outlines);
    QVERIFY(window_->switches().faces);
    action("Modelpaszczyznowy1")->trigger();
    QVERIFY(!window_->switches().faces);
    action("Modelkrawdziowy1")->trigger();
    QVERIFY(window_->switches().outlines);
    QVERIFY(action("Modelkrawdziowy1")->isChecked());
}

void TestVisualisationWindow::hideItemTogglesVisibility() {
    window_->show();
    QVERIFY(window_->isVisible());
    action("Pokaukryjwizualizacj1")->trigger();
    QVERIFY(!window_->isVisible());
}

void TestVisualisationWindow::keyRefreshesInfoFields_data() {
    QTest::addColumn<float>("arm1Angle");
    QTest::addColumn<float>("arm2Angle");
    QTest::addColumn<QList<double>>("pen"); // x, y, z as the simulation published them
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("nothing published yet")
        << -90.0f << 0.0f << QList<double>{} << QStringList{"x=", "y=", "z=", "alfa= 0", "beta= 0"};
    QTest::newRow("single precision widened")
        << static_cast<float>(45.1 - 90) << 30.5f << QList<double>{120, -35, 10}
        << QStringList{"x=120", "y=-35", "z=10", "alfa= 45,0999984741211", "beta= 30,5"};
    QTest::newRow("negative angles")
        << -180.0f << -12.25f << QList<double>{0, 500, 50}
        << QStringList{"x=0", "y=500", "z=50", "alfa= -90", "beta= -12,25"};
}

void TestVisualisationWindow::keyRefreshesInfoFields() {
    QFETCH(float, arm1Angle);
    QFETCH(float, arm2Angle);
    QFETCH(QList<double>, pen);
    QFETCH(QStringList, expected);

    // The simulation writes the fields itself; a key press overwrites them
    // from the pose.
    window_->findChild<QLineEdit*>("Edit1")->setText(QStringLiteral("alfa= 7"));
    pose_.Arm1Angle = arm1Angle;
    pose_.Arm2Angle = arm2Angle;
    pose_.clearPen();
    if (!pen.isEmpty()) {
        pose_.PenX = pen[0];
        pose_.PenY = pen[1];
        pose_.PenHeight = int(pen[2]);
    }
    QTest::keyClick(window_.get(), Qt::Key_Q, Qt::AltModifier);
    QCOMPARE(fields(), expected);
    // Long texts show their beginning.
    for (const char* name : kFieldNames)
        QTRY_COMPARE(window_->findChild<QLineEdit*>(name)->cursorPosition(), 0);
}

void TestVisualisationWindow::closingEndsTheEventLoop() {
    window_->show();
    QEventLoop loop;
    QTimer::singleShot(0, window_.get(), [this] {
        QCloseEvent event;
        QCoreApplication::sendEvent(window_.get(), &event);
    });
    QTimer::singleShot(5000, &loop, [&loop] { loop.exit(99); });
    QCOMPARE(loop.exec(), 0);
}

QTEST_MAIN(TestVisualisationWindow)
#include "tst_view3d_window.moc"
