// The key rows: pendant codes, menu keys and their popups, soft-key routing, status keys and
// the enabling states.
#include <QApplication>
#include <QKeyEvent>
#include <QTimer>

#include "app/editor.h"
#include "app/key_codes.h"
#include "app/program_view.h"
#include "app/search_frame.h"
#include "app/soft_key_routing.h"
#include "base/app_context.h"
#include "files/sel_dat.h"
#include "program/program.h"

namespace velmora {
namespace {

constexpr int kMenuKeyPitch = 1200;  // twips
constexpr int kPopupTop = 360;
constexpr int kHelpPopupRight = 8400;

constexpr Picture kUp{ImageList::kST, 1};
constexpr Picture kDown{ImageList::kST, 2};
constexpr Picture kDetails{ImageList::kST, 3};
constexpr Picture kListing{ImageList::kST, 4};
constexpr Picture kClear{ImageList::kST, 6};

}  // namespace

bool Editor::FileDialogVisible() const {
  return file_dialog_->isVisible();
}

bool Editor::InputFrameOpen() const {
  return input_frame_ && input_frame_->isVisible() && !search_->isVisible();
}

void Editor::SetInputFrame(QWidget* frame, QWidget* first_field) {
  input_frame_ = frame;
  input_first_field_ = first_field;
}

// ---- Pendant codes --------------------------------------------------------------------------

void Editor::PendantKeyDown(int code) {
  if (code >= 113 && code <= 119) {
    SoftKeyPressed(code - 113);
  } else if (code >= 120 && code <= 127) {
    if (keys_.MenueKey(code - 120)->isEnabled()) MenuKeyPressed(code - 120);
  } else if (code >= 128 && code <= 133) {
    HuxKey(code - 118);
  }
}

void Editor::PendantKeyUp(int code) {
  if (code >= 113 && code <= 119) {
    keys_.SoftKey(code - 113)->SetBold(false);
  } else if (code >= 120 && code <= 127) {
    ShowBusy(false);
    if (!popup_open_) FocusView();
  } else if (code >= 128 && code <= 133) {
    keys_.StatKeyL(code - 128)->SetBold(false);
  }
}

void Editor::HuxKey(int code) {
  if (!QApplication::activeWindow()) return;
  if (code >= 10 && code <= 15) {
    KeyButton* key = keys_.StatKeyL(code - 10);
    if (!key->isEnabled()) return;
    key->SetBold(true);
    StatusKeyPressed(code - 10);
  } else if (code >= 138 && code <= 143) {
    KeyButton* key = keys_.StatKeyL(code - 138);
    if (key->isEnabled()) key->SetBold(false);
  } else if (code >= 30 && code <= 36) {
    SoftKeyPressed(code - 30);
  } else if (code >= 158 && code <= 164) {
    keys_.SoftKey(code - 158)->SetBold(false);
  }
}

void Editor::gu_StatkeyL(int code) {
  if (code >= 100 && code <= 150) {
    if (!QApplication::activeWindow()) return;
    const int index = code / 10 - 10;
    if (keys_.StatKeyL(index)->isEnabled()) StatusKeyPressed(index);
    return;
  }
  HuxKey(code);
}

// ---- Menu keys ------------------------------------------------------------------------------

// The Alt-digit mode opens a menu key whether or not the key is enabled; a disabled menu stays
// shut and the steps after a popup run alone.
void Editor::OpenMenuKey(int key) {
  if (key >= 0 && key < 8) MenuKeyPressed(key);
}

void Editor::MenuKeyPressed(int i) {
  keys_.StatKeyL(5)->setEnabled(false);
  navigation_.AltPending = false;
  if (navigation_.BlockMode) view_->SetBlockEmphasis(true);
  QMenu* popup = menus_.PopupOfKey(i);
  if (!popup || !popup->menuAction()->isEnabled()) {
    AfterPopup();
    return;
  }
  QPoint at = mapToGlobal(QPoint(twips_.px(i * kMenuKeyPitch), twips_.px(kPopupTop)));
  if (i == 7)
    at.setX(mapToGlobal(QPoint(twips_.px(kHelpPopupRight), 0)).x() - popup->sizeHint().width());
  popup_open_ = true;
  // An item chosen in the popup is triggered right after the popup hides; the steps after the
  // popup then run at the end of that command (MenuItemChosen), else here.
  connect(
      popup, &QMenu::aboutToHide, this,
      [this] {
        QTimer::singleShot(0, this, [this] {
          if (popup_pending_) AfterPopup();
        });
      },
      Qt::SingleShotConnection);
  popup_pending_ = true;
  popup->popup(at);
}

void Editor::AfterPopup() {
  popup_pending_ = false;
  popup_open_ = false;
  if (!flags_.MenuCommandChosen) {
    ShowBusy(false);
    FocusView();
    navigation_.NavigationKey(vk::kEscape, 0, InputFrameOpen());
  }
  flags_.MenuCommandChosen = false;
  // Status key 5 serves a loaded program only: it comes back where it has its picture.
  keys_.StatKeyL(5)->setEnabled(keys_.StatKeyL(5)->picture().has_value());
}

// ---- Soft keys ------------------------------------------------------------------------------

void Editor::SoftKeyPressed(int i) {
  KeyButton* key = keys_.SoftKey(i);
  if (!key->isEnabled() || loading_) return;
  key->SetBold(true);
  SoftKeyContext context{flags_, commands_, FileDialogVisible(), keys_.SoftKey(3)->isEnabled(),
                         keys_.SoftKey(4)->isEnabled()};
  RouteSoftKey(i, context);
}

void Editor::AdvanceStep() {
  int& step = flags_.StepCounter;
  if (flags_.FileMirrorActive && step >= 0 && step <= 2) {
    static const char* const kNext[] = {"ShowMirrorDestination", "ShowMirrorComment",
                                        "CreateMirrorFile"};
    const char* command = kNext[step];
    ++step;
    commands_.Run(command);
    return;
  }
  if (flags_.PointShiftActive && step >= 0 && step <= 2) {
    if (step == 0) {
      step = 1;
      commands_.Run("ShowFileToShiftChoice");
    } else if (step == 1) {
      step = 2;
      commands_.Run("LoadFileToShift");
      commands_.Run("ReferenceShiftProgramKeys");
    } else {
      commands_.Run("ExecuteReferenceShift");
    }
    return;
  }
  keys_.SoftKey(4)->setEnabled(false);
}

void Editor::StepBack() {
  int& step = flags_.StepCounter;
  if (flags_.FileMirrorActive) {
    static const char* const kBack[] = {nullptr, "StartFileMirroring", "ShowMirrorDestination",
                                        "ShowMirrorComment"};
    if (step < 1 || step > 3) {
      keys_.SoftKey(3)->setEnabled(false);
      return;
    }
    const char* command = kBack[step];
    --step;
    commands_.Run(command);
    return;
  }
  if (flags_.PointShiftActive) {
    if (step == 0) {
      commands_.Run("StartReferenceShift");
      flags_.PointShiftStep = 0;
    } else if (step == 1) {
      step = 0;
      commands_.Run("ShowReferenceFileChoice");
    } else if (step == 2) {
      step = 1;
      commands_.Run("ShowFileToShiftChoice");
      SetSoftKeys({Picture{ImageList::kSK, 2}, std::nullopt, std::nullopt,
                   Picture{ImageList::k1, 2}, Picture{ImageList::k1, 3}, std::nullopt,
                   Picture{ImageList::k1, 1}});
    } else {
      keys_.SoftKey(4)->setEnabled(false);
    }
  }
}

// ---- Status keys ----------------------------------------------------------------------------

void Editor::StatusKeyPressed(int i) {
  const bool dialog = FileDialogVisible();
  switch (i) {
    case 0:
    case 1:
      if (!dialog && !DetailViewShown()) view_->setFocus();
      return;
    case 2:
    case 3: {
      const bool up = i == 2;
      if (flags_.AdjustActive) {
        commands_.Run(up ? "MoveHighlightUp" : "MoveHighlightDown");
        return;
      }
      if (dialog) return;
      if (DetailViewShown()) {
        navigation_.KeyPressed(up ? vk::kPrior : vk::kNext, 0);
        return;
      }
      view_->setFocus();
      navigation_.NavigationKey(up ? vk::kUp : vk::kDown, 0, InputFrameOpen());
      return;
    }
    case 4: {
      context_->messages.Clear();
      const bool input = input_frame_ && input_frame_->isVisible() && input_frame_->isEnabled() &&
                         input_first_field_;
      if (input)
        input_first_field_->setFocus();
      else if (view_->isVisible())
        view_->setFocus();
      return;
    }
    case 5:
      ToggleDetailView();
      return;
    default:
      return;
  }
}

void Editor::ToggleDetailView() {
  const bool input = input_frame_ && input_frame_->isVisible();
  const bool input_ready = input && input_frame_->isEnabled() && input_first_field_;
  if (DetailViewShown()) {
    details_.SetVisible(false);
    view_->show();
    keys_.StatKeyL(5)->SetPicture(kDetails);
    for (int k = 0; k <= 3; ++k) {
      if (keys_.MenueKey(k)->isEnabled()) continue;
      if (switches_.OnlyTtsMode && !(k == 0 || (k == 3 && !input))) continue;
      keys_.MenueKey(k)->setEnabled(true);
    }
    if (input) {
      keys_.SoftKey(0)->setEnabled(true);
      keys_.SoftKey(6)->setEnabled(true);
      keys_.StatKeyL(2)->setEnabled(false);
      keys_.StatKeyL(3)->setEnabled(false);
      const int n = program_->CurrentLine;
      const bool circ = n > 0 && program_->Record(n).MotionType == kCirc;
      if (circ) {
        keys_.SoftKey(2)->setEnabled(true);
        keys_.SoftKey(3)->setEnabled(true);
      }
      if (!switches_.OnlyTtsMode) {
        for (const char* id : {"mnuOpen", "mnuClose", "mnuHotBase", "mnuHotTCP", "mnuHotWorld"})
          menus_.SetEnabled(id, false);
        for (int k = 1; k <= 3; ++k) keys_.MenueKey(k)->setEnabled(false);
      }
    } else {
      keys_.SoftKey(6)->setEnabled(true);
    }
    if (hot_edit_info_frame_ && flags_.HotEditActive) hot_edit_info_frame_->show();
    if (input_ready)
      input_first_field_->setFocus();
    else
      FocusView();
    return;
  }
  ShowDetails();
  view_->hide();
  details_.SetVisible(true);
  keys_.StatKeyL(5)->SetPicture(kListing);
  for (int k = 1; k <= 3; ++k) keys_.MenueKey(k)->setEnabled(false);
  if (!input) {
    keys_.StatKeyL(2)->setEnabled(true);
    keys_.StatKeyL(3)->setEnabled(true);
  }
  keys_.SoftKey(0)->setEnabled(false);
  keys_.SoftKey(6)->setEnabled(false);
  if (hot_edit_info_frame_) hot_edit_info_frame_->hide();
  if (input_ready)
    input_first_field_->setFocus();
  else
    details_.fold_text->setFocus();
}

// Keyboard keys on a focused status key.
void Editor::StatusKeyEvent(int index, QKeyEvent* e) {
  const KeyCode k = KeyCodeOf(*e);
  if (e->type() == QEvent::KeyRelease) {
    navigation_.KeyReleased(k.code, k.shift);
    return;
  }
  switch (k.code) {
    case vk::kShift:
    case vk::kEscape:
    case vk::kPrior:
    case vk::kNext:
    case vk::kEnd:
    case vk::kHome:
      navigation_.KeyPressed(k.code, k.shift);
      break;
    case vk::kBack:
      DeleteBlock();
      flags_.MenuCommandChosen = true;
      break;
    default:
      break;
  }
  if (index == 1 && k.code != vk::kShift && !FileDialogVisible())
    view_->SetBackground(view_->background() == ProgramView::Colour::kCyan
                             ? ProgramView::Colour::kSilver
                             : ProgramView::Colour::kCyan);
}

bool Editor::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
    for (int i = 0; i < 6; ++i) {
      if (watched != keys_.StatKeyL(i)) continue;
      StatusKeyEvent(i, static_cast<QKeyEvent*>(event));
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

// ---- Enabling states ------------------------------------------------------------------------

void Editor::SetSoftKeys(const SoftKeyPictures& pictures) {
  keys_.SetSoftKeys(pictures);
}

void Editor::SetNoProgramKeys(ItemIds items) {
  for (const char* id : {"mnuOpen", "mnuSave", "mnuClose", "mnuEdit", "mnuUtil", "mnuHotEdit"})
    menus_.SetEnabled(id, false);
  for (const char* id : {"mnuPrint", "mnuExit", "mnuFileMirror", "mnuExtUtil"})
    menus_.SetEnabled(id, true);
  for (int k : {1, 2, 3, 4}) keys_.MenueKey(k)->setEnabled(false);
  for (int k : {5, 7}) keys_.MenueKey(k)->setEnabled(true);
  for (int k : {2, 3, 5}) keys_.SetStatusKey(k, false, std::nullopt);
  for (std::string_view id : items) menus_.SetEnabled(id, true);
}

void Editor::SetProgramKeys(ItemIds items) {
  for (const char* id : {"mnuOpen", "mnuPrint", "mnuSave", "mnuClose", "mnuExit", "mnuEdit",
                         "mnuUtil", "mnuHotEdit", "mnuoption"})
    menus_.SetEnabled(id, true);
  for (const char* id : {"mnuFileMirror", "mnuExtUtil"}) menus_.SetEnabled(id, false);
  for (int k : {1, 2, 3}) keys_.MenueKey(k)->setEnabled(true);
  keys_.MenueKey(4)->setEnabled(false);
  keys_.SetStatusKey(2, true, kUp);
  keys_.SetStatusKey(3, true, kDown);
  keys_.SetStatusKey(5, true, DetailViewShown() ? kListing : kDetails);
  keys_.SetStatusKey(4, true, kClear);
  keys_.SoftKey(0)->setEnabled(true);
  keys_.SoftKey(0)->show();
  for (std::string_view id : items) menus_.SetEnabled(id, false);
}

void Editor::SetUtilityKeys(ItemIds items) {
  for (const char* id :
       {"mnuOpen", "mnuSave", "mnuClose", "mnuExit", "mnuEdit", "mnuUtil", "mnuHotEdit"})
    menus_.SetEnabled(id, false);
  for (const char* id : {"mnuFileMirror", "mnuExtUtil"}) menus_.SetEnabled(id, true);
  for (int k : {1, 2, 3}) keys_.MenueKey(k)->setEnabled(false);
  keys_.MenueKey(4)->setEnabled(true);
  for (int k : {2, 3, 5}) keys_.SetStatusKey(k, false, std::nullopt);
  for (std::string_view id : items) menus_.SetEnabled(id, true);
}

}  // namespace velmora
