// Manual shift from the window: the manual-entry menu opens the input frame, the operator types
// an offset and applies it with soft key 6 or Enter, or leaves with Esc; every mode once, the
// WORLD and AXIS modes against the simulator.
#include <QTest>
#include <cmath>

#include "app/input_frame.h"
#include "app/program_view.h"
#include "base/numbers.h"
#include "gui/gui_fixture.h"
#include "program/declarations.h"
#include "program/loader.h"
#include "program/program.h"

namespace velmora::test {
namespace {

Pose6 PointOf(const Program& p, const std::string& name) {
  return ParseFrameText(p.Record(RecordOfPoint(p, name)).Point1Decl);
}

double Distance(const Pose6& a, const Pose6& b) {
  return std::hypot(a[0] - b[0], a[1] - b[1], a[2] - b[2]);
}

// Types `text` into a box over what it shows, as an operator would after Ctrl+A.
void Type(QWidget* box, const QString& text) {
  QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(box, text);
}

QString Text(GuiFixture& f, const std::string& key) {
  return QString::fromStdString(f.context->AssistantText(key));
}

}  // namespace

class ManualShiftTest : public QObject {
  Q_OBJECT

 private slots:
  // The typical request: mark a block, BASE, type the offset, soft key 6, see it listed, save.
  void BaseShiftOfAMarkedBlock() {
    GuiFixture f;
    const auto src = f.WriteProgram("twelve", MotionProgram("twelve", 12));
    f.Start();
    f.LoadFromDialog(QStringLiteral("twelve.src"));
    Program& p = *f.program;
    f.MoveTo(RecordOfPoint(p, "XP2"));
    ProgramView* view = f.editor().view();
    QTest::simulateEvent(view, true, Qt::Key_Shift, Qt::ShiftModifier, {}, false);
    for (int i = 0; i < 2; ++i) {
      QTest::simulateEvent(view, true, Qt::Key_Down, Qt::ShiftModifier, {}, false);
      QTest::simulateEvent(view, false, Qt::Key_Down, Qt::ShiftModifier, {}, false);
    }
    QTest::simulateEvent(view, false, Qt::Key_Shift, Qt::NoModifier, {}, false);
    QCOMPARE(p.CurrentLine, RecordOfPoint(p, "XP3"));

    f.ChooseMenuItem(2, {"mnuManEnt", "mnuCartBase"});
    InputFrame* frame = f.editor().input_frame();
    QVERIFY(frame->isVisible() && frame->isEnabled());
    QVERIFY(f.editor().flags().ManualShiftActive);
    QCOMPARE(f.editor().InputFrameState(), 1);
    QCOMPARE(frame->title(), Text(f, "MovePrgBase"));
    for (int i = 0; i < 6; ++i) QCOMPARE(frame->Box(i)->text(), QStringLiteral("0,0000"));
    QCOMPARE(frame->Label(0)->text(), QStringLiteral("X="));
    QCOMPARE(frame->Unit(2)->text(), QStringLiteral("[mm]"));
    QCOMPARE(frame->Unit(3)->text(), QStringLiteral("[deg.]"));
    QCOMPARE(QApplication::focusWidget(), frame->Box(0));
    QCOMPARE(f.LastMessageNo(), QStringLiteral("211"));
    QCOMPARE(f.LastMessage(3), Text(f, "On"));
    QVERIFY(f.editor().keys().SoftKey(0)->picture().has_value());
    QVERIFY(!f.editor().keys().MenueKey(1)->isEnabled());

    Type(frame->Box(0), QStringLiteral("10"));
    QTest::keyClick(frame->Box(0), Qt::Key_Down);
    QCOMPARE(QApplication::focusWidget(), frame->Box(1));
    Type(frame->Box(1), QStringLiteral("-5"));
    QVERIFY(f.Screenshot(QStringLiteral("manual_shift_input_frame")));
    f.Pendant(119);

    QVERIFY(!frame->isVisible());
    QVERIFY(!f.editor().flags().ManualShiftActive);
    QCOMPARE(f.LastMessage(2), Text(f, "Manualshift"));
    QCOMPARE(f.LastMessage(3),
             Text(f, "Point") + " XP2 " + Text(f, "To") + " XP3 " + Text(f, "shifted"));
    const Pose6 xp1 = PointOf(p, "XP1"), xp2 = PointOf(p, "XP2"), xp3 = PointOf(p, "XP3");
    QCOMPARE(xp1[0], 100.0);
    QCOMPARE(xp2[0], 210.0);
    QCOMPARE(xp2[1], 15.0);
    QCOMPARE(xp3[0], 310.0);
    QCOMPARE(xp3[2], 30.0);
    QVERIFY(!f.editor().navigation().BlockMarked);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(view));
    QVERIFY(f.editor().keys().MenueKey(1)->isEnabled());

    f.dialogs.yes_no = {true};
    f.ChooseMenuItem(0, {"mnuSave"});
    const std::string dat = ReadBytes(f.disk() / "twelve.dat");
    QVERIFY2(dat.find("XP2={X 210") != std::string::npos, dat.c_str());
    QVERIFY(dat.find("XP1={X 100.0,Y 20.0") != std::string::npos);
  }

  // Esc leaves without a change; a box left with a text that is no number is listed and keeps
  // the focus; a decimal point is shown as the locale's comma.
  void EscapeAndTheBoxCheck() {
    SetLocaleDecimalSeparator(",");
    struct Restore {
      ~Restore() { SetLocaleDecimalSeparator(std::nullopt); }
    } restore;
    GuiFixture f;
    f.WriteProgram("four", MotionProgram("four", 4));
    f.Start();
    f.LoadFromDialog(QStringLiteral("four.src"));
    Program& p = *f.program;
    f.MoveTo(RecordOfPoint(p, "XP1"));
    const std::string before = p.DatPositions;
    f.ChooseMenuItem(2, {"mnuManEnt", "mnuCartTCP"});
    InputFrame* frame = f.editor().input_frame();
    QVERIFY(frame->isVisible());

    Type(frame->Box(0), QStringLiteral("abc"));
    QTest::keyClick(frame->Box(0), Qt::Key_Up);
    QCOMPARE(f.LastMessageNo(), QStringLiteral("300"));
    QCOMPARE(f.LastMessage(3), Text(f, "X = ") + "abc " + Text(f, "is") + " " + Text(f, "False"));
    QCOMPARE(QApplication::focusWidget(), frame->Box(0));

    Type(frame->Box(0), QStringLiteral("1.5"));
    QTest::keyClick(frame->Box(0), Qt::Key_Up);  // X to C: the ring
    QCOMPARE(QApplication::focusWidget(), frame->Box(5));
    QCOMPARE(frame->Box(0)->text(), QStringLiteral("1,5"));
    QTest::keyClick(frame->Box(5), Qt::Key_Escape);
    QVERIFY(!frame->isVisible());
    QVERIFY(!f.editor().flags().ManualShiftActive);
    QCOMPARE(p.DatPositions, before);
    QVERIFY(!HasChanges(p));
  }

  // One shift per mode on the current point of a program from the controller: BASE with soft
  // key 6, the others with Enter.
  void EveryModeAgainstTheSimulator() {
    DemoController controller;
    if (!controller.running()) QSKIP("zevo_hmi_sim is not built");
    GuiFixture f;
    f.Start(controller.address());
    f.LoadFromDialog(QStringLiteral("glue_station.src"));
    Program& p = *f.program;
    QVERIFY(p.loaded());

    struct Case {
      const char* item;
      int box;
      const char* value;
      bool enter;
    };
    const Case cases[] = {{"mnuCartBase", 0, "10", false},
                          {"mnuCartTCP", 2, "10", true},
                          {"mnuCartWorld", 1, "10", true},
                          {"mnuJoint", 0, "2", true}};
    for (const Case& c : cases) {
      f.MoveTo(RecordOfPoint(p, "XP1"));
      const Pose6 before = PointOf(p, "XP1");
      f.ChooseMenuItem(2, {"mnuManEnt", c.item});
      InputFrame* frame = f.editor().input_frame();
      QVERIFY2(frame->isVisible(), c.item);
      QWidget* box = frame->Box(c.box);
      box->setFocus();
      Type(box, QString::fromLatin1(c.value));
      if (c.enter)
        QTest::keyClick(box, Qt::Key_Return);
      else
        f.Pendant(119);
      QVERIFY2(!frame->isVisible(), c.item);
      QCOMPARE(f.LastMessage(3), Text(f, "Point") + " XP1 " + Text(f, "shifted"));
      const Pose6 after = PointOf(p, "XP1");
      if (std::string_view(c.item) == "mnuJoint") {
        // A1 turns the arm about the vertical axis through the robot's foot.
        QVERIFY2(Distance(after, before) > 1.0,
                 p.Record(RecordOfPoint(p, "XP1")).Point1Decl.c_str());
      } else {
        QVERIFY2(std::abs(Distance(after, before) - 10.0) < 1e-3,
                 p.Record(RecordOfPoint(p, "XP1")).Point1Decl.c_str());
      }
    }
    QCOMPARE(f.editor().InputFrameState(), 4);
    QVERIFY(HasChanges(p));
  }
};

}  // namespace velmora::test

QTEST_MAIN(velmora::test::ManualShiftTest)
#include "manual_shift_test.moc"
