// The program view: the current record, block marking, the menu key without a menu, the
// detail view and the search frame, driven with keyboard keys and pendant codes.
#include <QApplication>
#include <QMenu>
#include <QTest>

#include "app/detail_view.h"
#include "app/message_list_view.h"
#include "app/navigation.h"
#include "app/program_view.h"
#include "app/search_frame.h"
#include "files/sel_dat.h"
#include "gui/gui_fixture.h"

namespace velmora::test {

class ProgramViewTest : public QObject {
  Q_OBJECT

  // A loaded program of 12 motions: records 2..19 (motions, blank lines) and "END".
  void LoadTwelve(GuiFixture& f) {
    f.WriteProgram("twelve", MotionProgram("twelve", 12));
    f.Start();
    f.LoadFromDialog(QStringLiteral("twelve.src"));
    QVERIFY(f.program->loaded());
  }

  static void Press(QWidget* w, Qt::Key key, int times = 1,
                    Qt::KeyboardModifiers mods = Qt::NoModifier) {
    for (int i = 0; i < times; ++i) QTest::keyClick(w, key, mods);
  }

 private slots:
  void LoadShowsFirstRecordInRed() {
    GuiFixture f;
    LoadTwelve(f);
    const Program& p = *f.program;
    QCOMPARE(p.CurrentLine, p.FirstShownLine);
    const QList<QTextEdit::ExtraSelection> marks = f.editor().view()->extraSelections();
    QCOMPARE(marks.size(), 1);
    QCOMPARE(marks.front().format.foreground().color(), QColor(255, 0, 0));
    QVERIFY(marks.front().cursor.selectedText().contains(
        QString::fromStdString(p.Record(p.CurrentLine).FoldTitle)));
    QVERIFY(!f.editor().file_dialog()->isVisible());
    QVERIFY(f.editor().keys().StatKeyL(5)->isEnabled());
  }

  void UpAndDownStayInsideTheShownRecords() {
    GuiFixture f;
    LoadTwelve(f);
    Program& p = *f.program;
    ProgramView* view = f.editor().view();
    Press(view, Qt::Key_Up);
    QCOMPARE(p.CurrentLine, p.FirstShownLine);
    Press(view, Qt::Key_End);
    QCOMPARE(p.CurrentLine, p.LastShownLine);
    Press(view, Qt::Key_Down);
    QCOMPARE(p.CurrentLine, p.LastShownLine);
    Press(view, Qt::Key_Home);
    QCOMPARE(p.CurrentLine, p.FirstShownLine);
    // A click in the view sends Home, which keeps the current record after a click.
    Press(view, Qt::Key_Down, 2);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(p.CurrentLine, p.FirstShownLine + 2);
    Press(view, Qt::Key_Home);
    QCOMPARE(p.CurrentLine, p.FirstShownLine);
  }

  void ShiftDownMarksABlock() {
    GuiFixture f;
    LoadTwelve(f);
    Program& p = *f.program;
    ProgramView* view = f.editor().view();
    Press(view, Qt::Key_Down, 5 - p.CurrentLine);
    QCOMPARE(p.CurrentLine, 5);
    // Shift is held while Down is pressed three times.
    QTest::simulateEvent(view, true, Qt::Key_Shift, Qt::ShiftModifier, {}, false);
    for (int i = 0; i < 3; ++i) {
      QTest::simulateEvent(view, true, Qt::Key_Down, Qt::ShiftModifier, {}, false);
      QTest::simulateEvent(view, false, Qt::Key_Down, Qt::ShiftModifier, {}, false);
    }
    QTest::simulateEvent(view, false, Qt::Key_Shift, Qt::NoModifier, {}, false);
    QCOMPARE(p.BlockStart, 5);
    QCOMPARE(p.BlockEnd, 8);
    QVERIFY(f.editor().navigation().BlockMarked);
    QCOMPARE(view->extraSelections().size(), 2);  // the block and the current record
    QVERIFY(f.Screenshot(QStringLiteral("program_marked_block")));

    // Menu key 6 (Alt, then 7) opens nothing; after it the view has the focus and Esc ended
    // the block.
    f.editor().message_list()->setFocus();
    QTest::keyClick(view, Qt::Key_Alt, Qt::AltModifier);
    QTest::keyClick(view, Qt::Key_7);
    QVERIFY(!QApplication::activePopupWidget());
    QVERIFY(view->hasFocus());
    QCOMPARE(p.BlockStart, 0);
    QVERIFY(!f.editor().navigation().BlockMarked);
    QCOMPARE(p.CurrentLine, 8);
  }

  void StatusKeyFiveShowsTheDetails() {
    GuiFixture f;
    LoadTwelve(f);
    Program& p = *f.program;
    Press(f.editor().view(), Qt::Key_Down, 3);
    QVERIFY(p.Record(p.CurrentLine).IsMotion);
    const LineRecord& record = p.Record(p.CurrentLine);
    f.Pendant(133);
    DetailView& details = f.editor().details();
    QVERIFY(details.visible());
    QVERIFY(!f.editor().view()->isVisible());
    QCOMPARE(details.fold_frame->title(), QStringLiteral("Motion %1").arg(record.MotionNo));
    QVERIFY(details.point_text->toPlainText().startsWith(QStringLiteral("XP")));
    QVERIFY(details.fold_text->toPlainText().contains(QStringLiteral("PTP XP")));
    QVERIFY(!f.editor().keys().MenueKey(1)->isEnabled());
    QVERIFY(f.Screenshot(QStringLiteral("detail_view")));
    // Status key 3 pages to the next record in the detail view.
    const int before = p.CurrentLine;
    f.Pendant(131);
    QCOMPARE(p.CurrentLine, before + 1);
    f.Pendant(133);
    QVERIFY(!details.visible());
    QVERIFY(f.editor().view()->isVisible());
    QVERIFY(f.editor().keys().MenueKey(1)->isEnabled());
  }

  void SearchWrapsAroundToTheTop() {
    GuiFixture f;
    LoadTwelve(f);
    Program& p = *f.program;
    ProgramView* view = f.editor().view();
    Press(view, Qt::Key_End);
    QTest::keyClick(view, Qt::Key_F, Qt::ControlModifier);
    SearchFrame* frame = f.editor().search_frame();
    QVERIFY(frame->isVisible());
    QVERIFY(f.editor().flags().SearchActive);
    QTest::keyClicks(frame->text(), QStringLiteral("xp2"));
    QTest::keyClick(frame->text(), Qt::Key_Return);
    QCOMPARE(QString::fromStdString(p.Record(p.CurrentLine).Point1Name), QStringLiteral("XP2"));
    QVERIFY(frame->text()->hasFocus());
    QVERIFY(f.Screenshot(QStringLiteral("search_frame")));
    // A point name without its "X" finds the motion whose title shows "P11".
    frame->text()->clear();
    QTest::keyClicks(frame->text(), QStringLiteral("p11"));
    QTest::keyClick(frame->text(), Qt::Key_Return);
    QCOMPARE(QString::fromStdString(p.Record(p.CurrentLine).Point1Name), QStringLiteral("XP11"));
    QTest::keyClick(frame->text(), Qt::Key_Escape);
    QVERIFY(!frame->isVisible());
    QVERIFY(!f.editor().flags().SearchActive);
  }

  void SearchPromptFindsFromTheCurrentRecord() {
    GuiFixture f;
    LoadTwelve(f);
    Program& p = *f.program;
    f.dialogs.text = "p5 ";
    f.editor().details().fold_text->setFocus();
    QTest::keyClick(f.editor().details().fold_text, Qt::Key_F3);
    QCOMPARE(f.editor().LastSearchText(), std::string("P5 "));
    QCOMPARE(QString::fromStdString(p.Record(p.CurrentLine).Point1Name), QStringLiteral("XP5"));
  }

  void PopupMenuOfTheFileKey() {
    GuiFixture f;
    LoadTwelve(f);
    f.Pendant(120);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(menu);
    QCOMPARE(menu->objectName(), QStringLiteral("mnuFile"));
    QVERIFY(f.editor().menus().IsEnabled("mnuSave"));
    QVERIFY(!f.editor().menus().IsEnabled("mnuExtUtil"));
    QVERIFY(f.Screenshot(QStringLiteral("popup_menu"), menu));
    QTest::keyClick(menu, Qt::Key_Escape);
    QCoreApplication::processEvents();
    QVERIFY2(f.editor().view()->hasFocus(),
             QApplication::focusWidget() ? qPrintable(QApplication::focusWidget()->objectName())
                                         : "no focus");
  }

  void F1ShowsTheKeyMap() {
    GuiFixture f;
    LoadTwelve(f);
    QWidget* key_map = f.editor().findChild<QWidget*>(QStringLiteral("KeyMap"));
    QVERIFY(key_map && !key_map->isVisible());
    QTest::keyClick(f.editor().view(), Qt::Key_F1);
    QVERIFY(key_map->isVisible());
    QVERIFY(f.Screenshot(QStringLiteral("key_map")));
    QTest::keyClick(key_map, Qt::Key_Escape);
    QVERIFY(!key_map->isVisible());
  }

  void AltAndADigitOpenAMenuKey() {
    GuiFixture f;
    LoadTwelve(f);
    QTest::keyClick(f.editor().view(), Qt::Key_Alt, Qt::AltModifier);
    QTest::keyClick(f.editor().view(), Qt::Key_2);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(menu);
    QCOMPARE(menu->objectName(), QStringLiteral("mnuEdit"));
    QTest::keyClick(menu, Qt::Key_Escape);
  }
};

}  // namespace velmora::test

QTEST_MAIN(velmora::test::ProgramViewTest)
#include "program_view_test.moc"
