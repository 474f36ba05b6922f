// The file selection dialog on the disk: the list, the Esc rule, refused loads and the
// progress bars of a load.
#include <QTest>

#include "app/editor.h"
#include "app/program_view.h"
#include "base/paths.h"
#include "base/profile.h"
#include "files/sel_dat.h"
#include "gui/gui_fixture.h"

namespace velmora::test {

class FileDialogTest : public QObject {
  Q_OBJECT

  static QStringList Entries(const selDat& dialog) {
    QStringList names;
    for (int i = 0; i < dialog.FileListe()->count(); ++i)
      names << dialog.FileListe()->item(i)->text();
    return names;
  }

 private slots:
  void ListsTheSourceFilesButTheStandardOnes() {
    GuiFixture f;
    f.WriteProgram("alpha", MotionProgram("alpha", 2));
    f.WriteProgram("Beta", MotionProgram("beta", 2));
    f.WriteProgram("Standard1", MotionProgram("standard1", 1));
    f.dir.Write("disk/$config.src", "DEF x( )\r\nEND\r\n");
    f.dir.Write("disk/notes.txt", "not a program");
    WriteProfileString(ProgramFile("HOTEDIT.INI"), "STANDARDFILES", "STANDARD1", "STANDARD1");
    f.Start();
    QCOMPARE(Entries(*f.editor().file_dialog()), QStringList({"Beta.src", "alpha.src"}));
    QVERIFY(f.Screenshot(QStringLiteral("file_dialog_disk")));
  }

  void EscHidesTheDialogAndLeavesOpenAndExit() {
    GuiFixture f;
    f.Start();
    selDat* dialog = f.editor().file_dialog();
    QTest::keyClick(dialog->FileListe(), Qt::Key_Escape);
    QVERIFY(!dialog->isVisible());
    Editor& e = f.editor();
    for (int i = 0; i < 7; ++i) QVERIFY(!e.keys().SoftKey(i)->isEnabled());
    QVERIFY(e.menus().IsEnabled("mnuOpen"));
    QVERIFY(e.menus().IsEnabled("mnuExit"));
    QVERIFY(!e.menus().IsEnabled("mnuSave"));
    QVERIFY(e.keys().MenueKey(4)->isEnabled());
    QVERIFY(!e.keys().MenueKey(1)->isEnabled());
    QCOMPARE(e.keys().StatKeyL(4)->picture(), MaybePicture(Picture{ImageList::kST, 6}));
    // Open shows the dialog again.
    f.ChooseMenuItem(0, {"mnuOpen"});
    QVERIFY(dialog->isVisible());
    QVERIFY(e.keys().SoftKey(6)->isEnabled());
  }

  void EnterWithOkDisabledOnlyTestsEsc() {
    GuiFixture f;
    f.WriteProgram("alpha", MotionProgram("alpha", 2));
    f.Start();
    selDat* dialog = f.editor().file_dialog();
    dialog->okBtn()->setEnabled(false);
    dialog->FileListe()->setCurrentRow(0);
    QTest::keyClick(dialog->FileListe(), Qt::Key_Return);
    QVERIFY(!f.program->loaded());
    QVERIFY(dialog->isVisible());
  }

  void AProgramWithoutDataFileIsRefused() {
    GuiFixture f;
    f.WriteProgram("lonely", {MotionProgram("lonely", 2).src, ""});
    f.WriteProgram("makro_tip", {"DEF makro_tip( )\r\nTIP_DRESS()\r\nEND\r\n", ""});
    f.Start();
    f.LoadFromDialog(QStringLiteral("lonely.src"));
    QVERIFY(!f.program->loaded());
    QCOMPARE(f.LastMessage(2), QStringLiteral("Editor"));
    QCOMPARE(f.LastMessage(3), QStringLiteral("No data file (.dat) found"));
    QVERIFY(!f.editor().menus().IsEnabled("mnuSave"));
    QVERIFY(!f.editor().view()->HoldsText());
    // A MAKRO program needs no data file.
    f.ChooseMenuItem(0, {"mnuOpen"});
    f.LoadFromDialog(QStringLiteral("makro_tip.src"));
    QVERIFY(f.program->loaded());
    QCOMPARE(f.LastMessage(2), QStringLiteral("Load"));
    QCOMPARE(f.LastMessage(3), QStringLiteral("OK"));
  }

  void ControllerProgramsAndThePendantChannel() {
    DemoController controller;
    if (!controller.running()) QSKIP("zevo_hmi_sim is not built");
    GuiFixture f;
    f.Start(controller.address());
    selDat* dialog = f.editor().file_dialog();
    QVERIFY(dialog->IsConnected());
    const QStringList entries = Entries(*dialog);
    QVERIFY2(entries.contains(QStringLiteral("weld_seam.src"), Qt::CaseInsensitive),
             qPrintable(entries.join(' ')));
    for (const QString& name : entries) {
      QVERIFY2(!name.contains(QStringLiteral("teach_aid"), Qt::CaseInsensitive), qPrintable(name));
      QVERIFY2(!name.contains(QStringLiteral("axis_test"), Qt::CaseInsensitive), qPrintable(name));
    }
    QVERIFY(!dialog->dirBox()->isVisible());
    // Choosing with the arrow keys shows the program's controller path.
    QListWidget* list = dialog->FileListe();
    list->setFocus();
    list->setCurrentRow(0);
    while (!list->currentItem()->text().startsWith(QStringLiteral("weld"), Qt::CaseInsensitive))
      QTest::keyClick(list, Qt::Key_Down);
    QVERIFY2(dialog->InfoLbl()->text().contains(QStringLiteral("\\weld_seam"), Qt::CaseInsensitive),
             qPrintable(dialog->InfoLbl()->text()));
    QVERIFY(f.Screenshot(QStringLiteral("file_dialog_controller")));
    QTest::keyClick(list, Qt::Key_Return);
    QVERIFY(f.program->loaded());
    QCOMPARE(f.LastMessage(2), QStringLiteral("Load"));

    // Status key 4 pressed on the pendant clears the message list.
    QVERIFY(controller.Ctl("key 132"));
    QTRY_COMPARE(f.MessageTexts(0).size(), 0);
  }

  void ALoadFillsTheProgressBars() {
    GuiFixture f;
    f.WriteProgram("long", MotionProgram("long", 300));
    f.Start();
    f.LoadFromDialog(QStringLiteral("long.src"));
    QVERIFY(f.program->loaded());
    QCOMPARE(f.editor().file_dialog()->ProgressLbl()->text(), QString(75, QLatin1Char('|')));
    QCOMPARE(f.editor().keys().SoftKey(6)->picture(), MaybePicture(Picture{ImageList::k1, 1}));
  }
};

}  // namespace velmora::test

QTEST_MAIN(velmora::test::FileDialogTest)
#include "file_dialog_test.moc"
