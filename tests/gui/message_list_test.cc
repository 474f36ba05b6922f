// The message list: numbering, the start lines, the clear key, and where the focus goes.
#include <QApplication>
#include <QTest>

#include "app/message_list_view.h"
#include "app/program_view.h"
#include "files/sel_dat.h"
#include "gui/gui_fixture.h"

namespace velmora::test {

class MessageListTest : public QObject {
  Q_OBJECT

 private slots:
  void StartLinesAndNumbering() {
    GuiFixture f;
    f.Start();
    QCOMPARE(f.MessageTexts(0), QStringList({"001", "002"}));
    QCOMPARE(f.MessageTexts(2).at(0), QStringLiteral("Editor started"));
    QCOMPARE(f.MessageTexts(2).at(1), QStringLiteral("File Open"));
    QVERIFY(f.Screenshot(QStringLiteral("start")));
    // Eight version lines: the tenth line is "010".
    for (int i = 0; i < 8; ++i) f.ChooseMenuItem(7, {"mnuVersion"});
    QCOMPARE(f.MessageTexts(0).size(), 10);
    QCOMPARE(f.LastMessage(0), QStringLiteral("010"));
    QCOMPARE(f.LastMessage(3), QStringLiteral(VELMORA_VERSION));
    // Status key 4 clears the list; the next line is "001" again, with the literal "OK".
    f.Pendant(132);
    QCOMPARE(f.MessageTexts(0).size(), 0);
    f.ChooseMenuItem(7, {"mnuVersion"});
    QCOMPARE(f.MessageTexts(0), QStringList({"001"}));
  }

  void FocusStaysForOutputAndReturnsAfterLoad() {
    GuiFixture f;
    f.WriteProgram("short", MotionProgram("short", 4));
    f.Start();
    // Output without a program: a "600" line, which the operator reads first.
    f.ChooseMenuItem(0, {"mnuPrint", "mnuaktuelle"});
    QCOMPARE(f.LastMessage(2), QStringLiteral("No program selected: no program loaded "));
    QCOMPARE(f.LastMessage(3), QStringLiteral("not OK"));
    QVERIFY(f.editor().message_list()->hasFocus());
    f.Pendant(120);  // the file menu opened and closed without a choice
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
    QCoreApplication::processEvents();
    f.LoadFromDialog(QStringLiteral("short.src"));  // "010": back to the program
    QCOMPARE(f.LastMessage(2), QStringLiteral("Load"));
    QVERIFY(f.editor().view()->hasFocus());
    // Tab in the list returns to the program as well.
    f.editor().message_list()->setFocus();
    QTest::keyClick(f.editor().message_list(), Qt::Key_Tab);
    QVERIFY(f.editor().view()->hasFocus());
  }
};

}  // namespace velmora::test

QTEST_MAIN(velmora::test::MessageListTest)
#include "message_list_test.moc"
