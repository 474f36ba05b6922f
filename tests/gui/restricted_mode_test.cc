// The restricted operating mode (start switch ONLYTTS): the operator corrects points with hot
// edit but does not open, close or edit programs.
#include <QTest>

#include "app/program_view.h"
#include "app/status_bar.h"
#include "gui/gui_fixture.h"
#include "program/loader.h"
#include "program/program.h"

namespace velmora::test {

class RestrictedModeTest : public QObject {
  Q_OBJECT

 private slots:
  void OnlyHotEditAndSaveAreOffered() {
    GuiFixture f;
    f.WriteProgram("six", MotionProgram("six", 6));
    f.Start("127.0.0.1:1", StartSwitches{.OnlyTtsMode = true});
    f.LoadFromDialog(QStringLiteral("six.src"));
    Program& p = *f.program;
    QVERIFY(p.loaded());
    Editor& e = f.editor();
    QVERIFY(e.status_bar()->Panel(3)->text().contains(
        QString::fromStdString(f.context->AssistantText("Bearbeiten"))));
    QVERIFY(!e.keys().MenueKey(1)->isEnabled());
    QVERIFY(!e.keys().MenueKey(2)->isEnabled());
    QVERIFY(e.keys().MenueKey(3)->isEnabled());
    QVERIFY(!e.menus().Item("mnuOpen")->isEnabled());
    QVERIFY(!e.menus().Item("mnuClose")->isEnabled());
    QVERIFY(e.menus().Item("mnuSave")->isEnabled());

    // On a motion: hot edit in BASE and WORLD and the TTS limits, no TCP, no manual shift.
    f.MoveTo(RecordOfPoint(p, "XP2"));
    QVERIFY(e.menus().Item("mnuHotBase")->isEnabled());
    QVERIFY(e.menus().Item("mnuHotWorld")->isEnabled());
    QVERIFY(e.menus().Item("mnuHotLimits")->isEnabled());
    QVERIFY(!e.menus().Item("mnuHotTCP")->isEnabled());

    // The view's editing shortcuts change nothing either.
    const int count = p.LineCount();
    ProgramView* view = e.view();
    QTest::keyClick(view, Qt::Key_X, Qt::ControlModifier);
    QTest::keyClick(view, Qt::Key_Delete);
    QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(view, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(p.LineCount(), count);
    QVERIFY(!HasChanges(p));

    // Leaving the detail view brings back menu key 0 and the hot-edit key, not the others.
    f.Pendant(133);
    QVERIFY(e.DetailViewShown());
    f.Pendant(133);
    QVERIFY(!e.DetailViewShown());
    QVERIFY(e.keys().MenueKey(0)->isEnabled());
    QVERIFY(e.keys().MenueKey(3)->isEnabled());
    QVERIFY(!e.keys().MenueKey(1)->isEnabled());
    QVERIFY(!e.keys().MenueKey(2)->isEnabled());
  }
};

}  // namespace velmora::test

QTEST_MAIN(velmora::test::RestrictedModeTest)
#include "restricted_mode_test.moc"
