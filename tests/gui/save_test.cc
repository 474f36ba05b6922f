// Saving: to the disk folder without empty lines, through the controller with them, and not at
// all when the operator says No.
#include <QTest>

#include "gui/gui_fixture.h"
#include "program/program.h"

namespace velmora::test {

class SaveTest : public QObject {
  Q_OBJECT

  // Loads `name` from the dialog and marks a record changed, as an edit command would.
  static void LoadAndChange(GuiFixture& f, const QString& entry) {
    f.LoadFromDialog(entry);
    QVERIFY(f.program->loaded());
    f.program->Record(f.program->FirstShownLine).Modified = true;
  }

 private slots:
  void SaveToDiskDropsEmptyLines() {
    GuiFixture f;
    const auto src = f.WriteProgram("gaps", MotionProgram("gaps", 4));
    QVERIFY(ReadBytes(src).find("\r\n\r\n") != std::string::npos);
    f.Start();
    LoadAndChange(f, QStringLiteral("gaps.src"));
    f.dialogs.yes_no = {true};
    f.ChooseMenuItem(0, {"mnuSave"});
    QCOMPARE(f.dialogs.asked.back(), std::string("Save the changes?"));
    QCOMPARE(f.LastMessage(2), QStringLiteral("Save"));
    QCOMPARE(f.LastMessage(3), QStringLiteral("saved"));
    const std::string saved = ReadBytes(src);
    QVERIFY(saved.find("\r\n\r\n") == std::string::npos);
    QVERIFY(saved.find("PTP XP4\r\n") != std::string::npos);
    QVERIFY(ReadBytes(f.disk() / "gaps.dat").find("DECL E6POS XP4=") != std::string::npos);
    QVERIFY(f.Screenshot(QStringLiteral("message_list_after_save")));
  }

  void NoLeavesTheFilesAlone() {
    GuiFixture f;
    const auto src = f.WriteProgram("keep", MotionProgram("keep", 4));
    const std::string before = ReadBytes(src);
    const std::string dat_before = ReadBytes(f.disk() / "keep.dat");
    f.Start();
    LoadAndChange(f, QStringLiteral("keep.src"));
    f.dialogs.yes_no = {false};
    f.ChooseMenuItem(0, {"mnuSave"});
    QCOMPARE(f.LastMessage(2), QStringLiteral("Close program"));
    QCOMPARE(f.LastMessage(3), QStringLiteral("not saved"));
    QCOMPARE(ReadBytes(src), before);
    QCOMPARE(ReadBytes(f.disk() / "keep.dat"), dat_before);
    // Soft key 6 closes the program; the changes are offered once more.
    f.dialogs.yes_no = {false};
    f.Pendant(119);
    QVERIFY(!f.program->loaded());
    QCOMPARE(f.dialogs.asked.size(), size_t{2});
    QCOMPARE(f.LastMessage(2), QStringLiteral("Close program"));
    QCOMPARE(f.MessageTexts(3).at(f.MessageTexts(3).size() - 2), QStringLiteral("not saved"));
    QCOMPARE(ReadBytes(src), before);
  }

  void SaveThroughTheControllerKeepsEmptyLines() {
    TempDir cell;
    const std::string folder = "NOXA/R1/PROGRAM/";
    const ProgramPair pair = MotionProgram("online", 4);
    cell.Write(folder + "online.src", pair.src);
    cell.Write(folder + "online.dat", pair.dat);
    cell.Write("NOXA/R1/System/$CONFIG.DAT", "DEFDAT $CONFIG\r\nENDDAT\r\n");
    Simulator simulator(cell.path());
    if (!simulator.running()) QSKIP("zevo_hmi_sim is not built");
    GuiFixture f;
    f.Start(simulator.address());
    LoadAndChange(f, QStringLiteral("online.src"));
    f.dialogs.yes_no = {true};
    f.ChooseMenuItem(0, {"mnuSave"});
    QCOMPARE(f.LastMessage(3), QStringLiteral("saved"));
    const std::string saved = ReadBytes(cell.path() / folder / "online.src");
    QVERIFY(saved.find("\r\n\r\n") != std::string::npos);
    QVERIFY(saved.find("PTP XP4\r\n") != std::string::npos);
  }
};

}  // namespace velmora::test

QTEST_MAIN(velmora::test::SaveTest)
#include "save_test.moc"
