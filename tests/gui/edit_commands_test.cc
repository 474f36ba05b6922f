// The edit commands from the window: copy with Ctrl+C, paste reversed from the edit menu, paste
// with Ctrl+V, cut with Ctrl+X, delete from a status key and with Del, clean the data file from
// the utilities menu, then save: the saved pair loads again with every motion intact.
#include <QTest>

#include "app/program_view.h"
#include "base/app_context.h"
#include "base/textfile.h"
#include "gui/gui_fixture.h"
#include "program/declarations.h"
#include "program/loader.h"
#include "program/program.h"

namespace velmora::test {
namespace {

// The area numbers of the messages listed since `from` lines were in the list.
QStringList NumbersSince(const GuiFixture& f, size_t from) {
  QStringList numbers;
  const auto& lines = f.context->messages.lines();
  for (size_t i = from; i < lines.size(); ++i)
    numbers << QString::fromStdString(lines[i].message_no);
  return numbers;
}

}  // namespace

class EditCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void ClipboardDeleteAndCleanOnADemoProgram() {
    GuiFixture f;
    const std::filesystem::path demo =
        std::filesystem::path(VELMORA_SHARE_DIR) / "demo/cell/NOXA/R1/PROGRAM";
    for (const char* file : {"glue_station.src", "glue_station.dat"})
      std::filesystem::copy_file(demo / file, f.disk() / file);
    f.Start();
    f.LoadFromDialog(QStringLiteral("glue_station.src"));
    Program& p = *f.program;
    ProgramView* view = f.editor().view();
    const std::string p1 = ValueAfterEquals(p.Record(RecordOfPoint(p, "XP1")).Point1Decl);
    const std::string p2 = ValueAfterEquals(p.Record(RecordOfPoint(p, "XP2")).Point1Decl);

    // Block XP1 .. the record after XP2: Copy takes all but the last.
    f.MoveTo(RecordOfPoint(p, "XP1"));
    QTest::simulateEvent(view, true, Qt::Key_Shift, Qt::ShiftModifier, {}, false);
    for (int i = 0; i < 2; ++i) {
      QTest::simulateEvent(view, true, Qt::Key_Down, Qt::ShiftModifier, {}, false);
      QTest::simulateEvent(view, false, Qt::Key_Down, Qt::ShiftModifier, {}, false);
    }
    QTest::simulateEvent(view, false, Qt::Key_Shift, Qt::NoModifier, {}, false);
    QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(f.LastMessageNo(), QStringLiteral("110"));
    QCOMPARE(f.editor().clipboard().count(), 2);

    // Reversed after XP6: the path XP2 then XP1, on new points with the copied values.
    const int xp6 = RecordOfPoint(p, "XP6");
    f.MoveTo(xp6);
    const int count = p.LineCount();
    f.ChooseMenuItem(1, {"mnuPaste", "mnuRevPath"});
    QCOMPARE(f.LastMessageNo(), QStringLiteral("122"));
    QCOMPARE(p.LineCount(), count + 2);
    const LineRecord& first = p.Record(xp6 + 1);
    const LineRecord& second = p.Record(xp6 + 2);
    QVERIFY2(first.Point1Name.starts_with("XR") && second.Point1Name.starts_with("XR"),
             first.Text.c_str());
    QCOMPARE(ValueAfterEquals(first.Point1Decl), p2);
    QCOMPARE(ValueAfterEquals(second.Point1Decl), p1);
    const std::string reversed = second.Point1Name;
    QVERIFY(!f.editor().navigation().BlockMarked);
    QVERIFY(f.Screenshot(QStringLiteral("reversed_block")));

    // Ctrl+V in path order, on C points.
    QTest::keyClick(view, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(f.LastMessageNo(), QStringLiteral("121"));
    QCOMPARE(p.LineCount(), count + 4);
    QVERIFY(p.Record(p.CurrentLine + 1).Point1Name.starts_with("XC"));

    // Ctrl+X cuts the current record; Backspace on a status key and Del in the view delete.
    // Cut and Delete clean the data file after them.
    f.MoveTo(xp6 + 1);
    size_t listed = f.context->messages.lines().size();
    QTest::keyClick(view, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(NumbersSince(f, listed), QStringList({"100", "220", "230"}));
    QCOMPARE(p.LineCount(), count + 3);
    QCOMPARE(f.editor().clipboard().count(), 1);
    f.editor().keys().StatKeyL(1)->setFocus();
    listed = f.context->messages.lines().size();
    QTest::keyClick(f.editor().keys().StatKeyL(1), Qt::Key_Backspace);
    QCOMPARE(NumbersSince(f, listed).front(), QStringLiteral("130"));
    QCOMPARE(p.LineCount(), count + 2);
    view->setFocus();
    QTest::keyClick(view, Qt::Key_Delete);
    QCOMPARE(p.LineCount(), count + 1);

    // Clean file: the cut and deleted motions' declarations go.
    f.ChooseMenuItem(2, {"mnuCleanFile"});
    QCOMPARE(f.LastMessageNo(), QStringLiteral("230"));

    f.dialogs.yes_no = {true};
    f.ChooseMenuItem(0, {"mnuSave"});
    const std::string src = ReadTextFile(f.disk() / "glue_station.src");
    const std::string dat = ReadTextFile(f.disk() / "glue_station.dat");
    QVERIFY(dat.find(reversed + "=") != std::string::npos);
    AppContext context;
    Program reloaded(context);
    QVERIFY(LoadProgramIntoView(reloaded, dat, src));
    // The disk save drops the empty lines; every motion with a point is still there and finds it.
    auto points = [](const Program& q) {
      QStringList names;
      for (int k = 2; k <= q.LineCount(); ++k)
        if (!q.Record(k).Point1Name.empty())
          names << QString::fromStdString(q.Record(k).Point1Name);
      return names;
    };
    QCOMPARE(points(reloaded), points(p));
    for (int k = 2; k <= reloaded.LineCount(); ++k) {
      const LineRecord& r = reloaded.Record(k);
      if (!r.Point1Name.empty()) QVERIFY2(!r.Point1Decl.empty(), r.Text.c_str());
    }
  }
};

}  // namespace velmora::test

QTEST_MAIN(velmora::test::EditCommandsTest)
#include "edit_commands_test.moc"
