// Soft keys go to the command whose mode flag is set, in the order of precedence; the HMI's
// key codes and the keyboard reach them too.
#include <QTest>

#include <QApplication>

#include "app/pendant_keys.h"
#include "files/sel_dat.h"
#include "gui/gui_fixture.h"

namespace velmora::test {

namespace {
// The commands a soft key can start; each records its name when it runs.
const char* const kCommands[] = {"CancelManualShift",
                                 "RestoreHotEdit",
                                 "LeaveFileMirroring",
                                 "CancelTcpBaseAdjust",
                                 "CancelHotEdit",
                                 "LeaveReferenceShift",
                                 "CalculateHotEdit",
                                 "ResetSoftLimits",
                                 "BlockChangeKey33",
                                 "DisableHotEditChanges",
                                 "EnableHotEditChanges",
                                 "ShowReferenceFileChoice",
                                 "StepBack",
                                 "SetSoftLimits",
                                 "BlockChangeKey34",
                                 "TeachNewReference",
                                 "AdvanceStep",
                                 "BlockChangeKey35",
                                 "ApplyManualShift",
                                 "ConfirmHotEdit",
                                 "FileDialogOk",
                                 "CreateMirrorFile",
                                 "EndReferenceShift",
                                 "ExecuteTcpBaseAdjust",
                                 "EndLimitAdaptation",
                                 "CloseProgram"};

enum Mode : unsigned {
  kManual = 1,
  kHotOpen = 2,
  kHotCalculated = 4,
  kMirror = 8,
  kAdjust = 16,
  kPointShift = 32,
  kLimits = 64,
  kBlockChange = 128,
  kTtsMode = 256,
  kPointShiftStep1 = 512,
};
}  // namespace

class SoftKeyRoutingTest : public QObject {
  Q_OBJECT

 private slots:
  void Routes_data() {
    QTest::addColumn<unsigned>("modes");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("tts_choice");
    QTest::newRow("0: manual shift before hot edit")
        << (kManual | kHotCalculated) << 0 << "CancelManualShift" << -1;
    QTest::newRow("0: calculated hot edit restores")
        << (kHotCalculated | kMirror) << 0 << "RestoreHotEdit" << 0;
    QTest::newRow("0: mirroring before adjustment")
        << (kMirror | kAdjust) << 0 << "LeaveFileMirroring" << -1;
    QTest::newRow("0: adjustment before open hot edit")
        << (kAdjust | kHotOpen) << 0 << "CancelTcpBaseAdjust" << -1;
    QTest::newRow("0: open hot edit cancels")
        << (kHotOpen | kPointShift) << 0 << "CancelHotEdit" << 0;
    QTest::newRow("0: reference shift")
        << unsigned{kPointShift} << 0 << "LeaveReferenceShift" << -1;
    QTest::newRow("0: nothing running") << 0u << 0 << "" << -1;
    QTest::newRow("2: TTS hot edit calculates")
        << (kHotOpen | kTtsMode) << 2 << "CalculateHotEdit" << 3;
    QTest::newRow("2: other hot edit does nothing") << unsigned{kHotOpen} << 2 << "" << -1;
    QTest::newRow("3: limits first") << (kLimits | kBlockChange) << 3 << "ResetSoftLimits" << -1;
    QTest::newRow("3: block change")
        << (kBlockChange | kHotCalculated) << 3 << "BlockChangeKey33" << -1;
    QTest::newRow("3: calculated hot edit toggles")
        << unsigned{kHotCalculated} << 3 << "DisableHotEditChanges" << -1;
    QTest::newRow("3: TTS choice 2") << (kHotOpen | kTtsMode) << 3 << "CalculateHotEdit" << 2;
    QTest::newRow("3: open hot edit outside TTS falls through")
        << (kHotOpen | kPointShift) << 3 << "ShowReferenceFileChoice" << -1;
    QTest::newRow("3: later reference step goes back")
        << (kPointShift | kPointShiftStep1) << 3 << "StepBack" << -1;
    QTest::newRow("4: TTS choice 3") << (kHotOpen | kTtsMode) << 4 << "CalculateHotEdit" << 3;
    QTest::newRow("4: teach a new reference")
        << unsigned{kPointShift} << 4 << "TeachNewReference" << -1;
    QTest::newRow("4: mirroring advances") << unsigned{kMirror} << 4 << "AdvanceStep" << -1;
    QTest::newRow("5: block change") << unsigned{kBlockChange} << 5 << "BlockChangeKey35" << -1;
    QTest::newRow("6: manual shift applies")
        << (kManual | kHotOpen) << 6 << "ApplyManualShift" << -1;
    QTest::newRow("6: open hot edit calculates in every mode")
        << (kHotOpen | kMirror) << 6 << "CalculateHotEdit" << -1;
    QTest::newRow("6: calculated hot edit confirms")
        << unsigned{kHotCalculated} << 6 << "ConfirmHotEdit" << 0;
    QTest::newRow("6: mirroring creates") << (kMirror | kAdjust) << 6 << "CreateMirrorFile" << -1;
    QTest::newRow("6: reference shift ends")
        << (kPointShift | kAdjust) << 6 << "EndReferenceShift" << -1;
    QTest::newRow("6: adjustment executes")
        << (kAdjust | kLimits) << 6 << "ExecuteTcpBaseAdjust" << -1;
    QTest::newRow("6: limits end") << unsigned{kLimits} << 6 << "EndLimitAdaptation" << -1;
    QTest::newRow("6: nothing running closes") << 0u << 6 << "CloseProgram" << -1;
  }

  void Routes() {
    QFETCH(unsigned, modes);
    QFETCH(int, key);
    QFETCH(QString, command);
    QFETCH(int, tts_choice);
    GuiFixture f;
    f.Start();
    QTest::keyClick(f.editor().file_dialog()->FileListe(), Qt::Key_Escape);
    QStringList ran;
    for (const char* name : kCommands)
      f.editor().commands().Register(name, [&ran, name] { ran << QString::fromLatin1(name); });
    ModeFlags& flags = f.editor().flags();
    flags.ManualShiftActive = modes & kManual;
    flags.HotEditActive = modes & (kHotOpen | kHotCalculated);
    flags.HotEditCalculated = modes & kHotCalculated;
    flags.HotEditMode = (modes & kTtsMode) ? 4 : 0;
    flags.FileMirrorActive = modes & kMirror;
    flags.AdjustActive = modes & kAdjust;
    flags.PointShiftActive = modes & kPointShift;
    flags.PointShiftStep = (modes & kPointShiftStep1) ? 1 : 0;
    flags.LimitSetActive = modes & kLimits;
    flags.BlockChangeActive = modes & kBlockChange;
    flags.TtsChoice = -1;
    f.editor().SetSoftKeys({Picture{ImageList::kSK, 2}, std::nullopt, Picture{ImageList::k1, 2},
                            Picture{ImageList::k1, 3}, std::nullopt, Picture{ImageList::k1, 4},
                            Picture{ImageList::kSK, 1}});
    if (key == 4) f.editor().keys().SoftKey(4)->setEnabled(true);
    f.Pendant(113 + key);
    QCOMPARE(ran, command.isEmpty() ? QStringList() : QStringList{command});
    QCOMPARE(flags.TtsChoice, tts_choice);
  }

  void DisabledKeyDoesNothing() {
    GuiFixture f;
    f.Start();
    QStringList ran;
    f.editor().commands().Register("CancelManualShift", [&ran] { ran << "cancel"; });
    f.editor().flags().ManualShiftActive = true;
    f.Pendant(113);  // soft key 0 has no picture in the file dialog
    QVERIFY(ran.isEmpty());
  }

  void KeyboardAndOperatorInterfaceCodesReachTheKeys() {
    GuiFixture f;
    f.Start();
    QStringList ran;
    f.editor().commands().Register("FileDialogOk", [&ran] { ran << "ok"; });
    QTest::keyClick(f.editor().file_dialog()->FileListe(), Qt::Key_F11);  // soft key 6
    QCOMPARE(ran, QStringList{"ok"});
    f.editor().HuxKey(36);  // soft key 6 from the operator interface
    QCOMPARE(ran.size(), 2);
    QVERIFY(f.editor().keys().SoftKey(6)->bold());
    f.editor().HuxKey(164);
    QVERIFY(!f.editor().keys().SoftKey(6)->bold());
    // Shift+F1 is menu key 0; a disabled menu key ignores its code.
    f.editor().keys().MenueKey(0)->setEnabled(false);
    f.Pendant(120);
    QVERIFY(!QApplication::activePopupWidget());
    QCOMPARE(KeyboardNameOf(120), std::string("Shift+F1"));
  }
};

}  // namespace velmora::test

QTEST_MAIN(velmora::test::SoftKeyRoutingTest)
#include "soft_key_routing_test.moc"
