// Output of programs: the kinds, the files and their names, all programs, and the path dialog.
#include <QTest>

#include "base/paths.h"
#include "gui/gui_fixture.h"

namespace velmora::test {

class OutputTest : public QObject {
  Q_OBJECT

 private slots:
  void CurrentProgramToAFile() {
    GuiFixture f;
    f.WriteProgram("listing", MotionProgram("listing", 3));
    f.Start();
    f.LoadFromDialog(QStringLiteral("listing.src"));
    f.ChooseMenuItem(5, {"mnuausgabe", "mnuindatei"});
    QCOMPARE(f.LastMessage(2), QStringLiteral("Output: File "));
    QVERIFY(f.editor().menus().IsEnabled("mnualles"));
    f.ChooseMenuItem(0, {"mnuPrint", "mnuaktuelle"});
    const auto file = TemplatesFolder() / "USERPROG" / "listing.txt";
    const std::string text = ReadBytes(file);
    QVERIFY(
        text.starts_with("NOXA:\\listing.SRC\r\n\r\n*******************************************"
                         " \r\n\r\n"));
    QVERIFY(text.ends_with(f.program->ViewText));
    QCOMPARE(f.LastMessage(2), QStringLiteral("Output to file"));
    QCOMPARE(f.LastMessage(3), QString::fromStdString(file.string() + ": OK"));
  }

  void DisplayDisablesOutputOfAll() {
    GuiFixture f;
    f.Start();
    f.ChooseMenuItem(5, {"mnuausgabe", "mnuzuranzeige"});
    QVERIFY(!f.editor().menus().IsEnabled("mnualles"));
    QVERIFY(f.editor().menus().Item("mnuzuranzeige")->isChecked());
    QVERIFY(!f.editor().menus().Item("mnuandrucker")->isChecked());
  }

  void AllProgramsIntoTheChosenFolder() {
    GuiFixture f;
    f.WriteProgram("one", MotionProgram("one", 2));
    f.WriteProgram("two", MotionProgram("two", 2));
    f.Start();
    const auto chosen = f.dir.path() / "lists";
    std::filesystem::create_directories(chosen);
    f.dialogs.file_name = (chosen / "whatever.txt").string();
    f.ChooseMenuItem(5, {"mnuausgabe", "mnusetpath"});
    QCOMPARE(f.editor().path_Str(), chosen.string() + "/");
    QCOMPARE(f.LastMessage(2), QStringLiteral("Output path set"));
    f.ChooseMenuItem(5, {"mnuausgabe", "mnuindatei"});
    f.ChooseMenuItem(0, {"mnuPrint", "mnualles"});
    QVERIFY(ReadBytes(chosen / "one.txt").starts_with("NOXA:\\one.SRC"));
    QVERIFY(ReadBytes(chosen / "two.txt").find("PTP P2") != std::string::npos);
    // A cancelled path dialog keeps the path.
    f.dialogs.file_name.reset();
    f.ChooseMenuItem(5, {"mnuausgabe", "mnusetpath"});
    QCOMPARE(f.LastMessage(3), QString::fromStdString(chosen.string() + "/: previous path kept"));
  }

  void PrinterWithoutPrintersWritesAPdf() {
    GuiFixture f;
    f.WriteProgram("paper", MotionProgram("paper", 3));
    f.Start();
    f.LoadFromDialog(QStringLiteral("paper.src"));
    f.ChooseMenuItem(5, {"mnuausgabe", "mnuandrucker"});
    f.ChooseMenuItem(0, {"mnuPrint", "mnuaktuelle"});
    QCOMPARE(f.LastMessage(2), QStringLiteral("Output to printer"));
    const std::string result = f.LastMessage(3).toStdString();
    QVERIFY2(result.ends_with(".pdf: OK") || result.ends_with(".txt: OK"), result.c_str());
    if (result.ends_with(".pdf: OK"))
      QVERIFY(ReadBytes(TemplatesFolder() / "USERPROG" / "paper.pdf").starts_with("%PDF"));
  }
};

}  // namespace velmora::test

QTEST_MAIN(velmora::test::OutputTest)
#include "output_test.moc"
