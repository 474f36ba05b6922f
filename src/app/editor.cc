#include "app/editor.h"

#include <QApplication>
#include <QCloseEvent>
#include <QScreen>
#include <QTimer>

#include "app/input_frame.h"
#include "app/key_codes.h"
#include "app/key_map_overlay.h"
#include "app/message_list_view.h"
#include "app/operator_dialogs.h"
#include "app/pendant_keys.h"
#include "app/program_view.h"
#include "app/qt_text.h"
#include "app/search_frame.h"
#include "app/status_bar.h"
#include "base/app_context.h"
#include "base/paths.h"
#include "base/strings.h"
#include "controller/zintra_comm.h"
#include "files/sel_dat.h"
#include "program/loader.h"
#include "program/program.h"

namespace velmora {
namespace {

constexpr int kWindowWidth = 9570;   // twips
constexpr int kWindowHeight = 7290;  // the soft-key row included
constexpr int kControllerPollMs = 50;

QFont ProgramFont(const Twips& twips) {
  QFont font(QStringLiteral("DejaVu Sans Mono"));
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  font.setPixelSize(twips.px(190));
  return font;
}

QFont WindowFont(const Twips& twips) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(twips.px(170));
  return font;
}

}  // namespace

Editor::Editor(AppContext& context, Program& program, StartSwitches switches,
               OperatorDialogs& dialogs, double scale)
    : context_(&context),
      program_(&program),
      switches_(switches),
      dialogs_(&dialogs),
      twips_(scale),
      navigation_(program, *this),
      keys_(this, twips_),
      menus_(this),
      details_(this, twips_, ProgramFont(twips_)) {
  setObjectName(QStringLiteral("Editor"));
  setFont(WindowFont(twips_));
  setWindowTitle(QStringLiteral("Velmora"));
  setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
  setFixedSize(twips_.px(kWindowWidth), twips_.px(kWindowHeight));
  setFocusPolicy(Qt::StrongFocus);
  menus_.SetFont(font());
  BuildWidgets();
  RegisterCommands();
}

Editor::~Editor() {
  program_->show_early = nullptr;
  program_->view_changed = nullptr;
  context_->messages.on_added = nullptr;
  context_->messages.on_cleared = nullptr;
  context_->progress.show = nullptr;
  context_->progress.process_events = nullptr;
  if (pendant_) qApp->removeEventFilter(pendant_);
}

void Editor::BuildWidgets() {
  view_ = new ProgramView(this, twips_);
  view_->setGeometry(twips_.rect(600, 400, 8940, 4500));
  list_ = new MessageListView(this, twips_);
  list_->setGeometry(twips_.rect(600, 4950, 8940, 1400));
  status_ = new StatusBar(this, twips_);
  search_ = new SearchFrame(this, twips_);
  input_ = new InputFrame(this, twips_);
  SetInputFrame(input_, input_->Box(0));
  file_dialog_ = new selDat(this, twips_.scale(), *context_, *this, switches_.ConnectSwitch);
  key_map_ = new KeyMapOverlay(this);
  pendant_ = new PendantKeys;
  pendant_->setParent(this);

  keys_.on_menu_key = [this](int i) { MenuKeyPressed(i); };
  keys_.on_soft_key = [this](int i) {
    SoftKeyPressed(i);
    keys_.SoftKey(i)->SetBold(false);
  };
  keys_.on_status_key = [this](int i) { StatusKeyPressed(i); };
  for (int i = 0; i < 6; ++i) keys_.StatKeyL(i)->installEventFilter(this);
  for (const KeyMapEntry& entry : PendantKeyMap()) {
    const int code = entry.code;
    KeyButton* key = code < 120   ? keys_.SoftKey(code - 113)
                     : code < 128 ? keys_.MenueKey(code - 120)
                                  : keys_.StatKeyL(code - 128);
    key->setToolTip(QString::fromStdString(entry.name));
  }

  view_->on_key_press = [this](QKeyEvent* e) { ViewKeyPress(e); };
  view_->on_key_release = [this](QKeyEvent* e) { ViewKeyRelease(e); };
  view_->on_click = [this] {
    navigation_.Clicked();
    navigation_.NavigationKey(vk::kHome, 0, InputFrameOpen());
  };
  view_->on_focus_in = [this] { view_->SetBackground(ProgramView::Colour::kCyan); };
  for (DetailBox* box : {details_.fold_text, details_.point_text, details_.motion_text}) {
    box->on_key_press = [this](QKeyEvent* e) {
      KeyCode k = KeyCodeOf(*e);
      navigation_.KeyPressed(k.code, k.shift);
    };
    box->on_key_release = [this](QKeyEvent* e) {
      KeyCode k = KeyCodeOf(*e);
      navigation_.KeyReleased(k.code, k.shift);
    };
  }
  input_->on_enter = [this] {
    if (flags_.ManualShiftActive) ApplyManualShift();
  };
  input_->on_escape = [this] {
    if (flags_.ManualShiftActive) CancelManualShift();
  };
  input_->on_box_left = [this](int index) { InputBoxLeft(index); };
  search_->text()->on_enter = [this] { SearchNext(); };
  search_->text()->on_escape = [this] { HideSearchFrame(); };

  list_->Attach(context_->messages);
  list_->on_tab = [this] {
    if (view_->isVisible()) HighlightCurrentLine();
    FocusView();
  };
  list_->after_added = [this](const MessageLine& line) {
    list_->setFocus();
    list_->update();
    if (!MessageList::KeepsFocus(line.message_no)) FocusView();
  };

  menus_.on_chosen = [this](const std::string& id) { MenuItemChosen(id); };

  pendant_->on_key_down = [this](int code) { PendantKeyDown(code); };
  pendant_->on_key_up = [this](int code) { PendantKeyUp(code); };
  pendant_->on_repeat = [this](int code) { gu_StatkeyL(code); };
  pendant_->on_hux_key = [this](int code) { HuxKey(code); };
  pendant_->on_help = [this] { ShowKeyMap(); };

  program_->show_early = [this](std::string_view text) { view_->AppendEarly(text); };
  program_->view_changed = [this] { view_->SetViewText(program_->ViewText); };
  context_->progress.show = [this](int percent) {
    if (file_dialog_->isVisible()) file_dialog_->DispProgress(percent);
    status_->progress()->setValue(std::clamp(percent, 0, 100));
  };
  context_->progress.process_events = [] {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  };
}

void Editor::EditorLoad(cZintraComm* client) {
  client_ = client;
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect area = screen->availableGeometry();
    move(area.left() + std::max(0, (area.width() - width()) / 2), area.top());
  }
  pendant_->Start();
  ShowModeText();
  details_.fold_frame->setTitle(UiText(context_->AssistantText("Fold")));
  details_.data_frame->setTitle(UiText(context_->AssistantText("Dat")));
  std::error_code ignored;
  std::filesystem::create_directories(TempFolder(), ignored);
  for (int i = 0; i < 7; ++i) keys_.SoftKey(i)->setText(QString());
  for (int i : {0, 1, 4, 5}) keys_.StatKeyL(i)->setText(QString());
  keys_.MenueKey(6)->setText(QString());
  keys_.MenueKey(6)->setEnabled(false);
  flags_ = ModeFlags{};

  owner_ = std::make_unique<ZintraOwner>();
  owner_->HuxKey = [this](int32_t code) { pendant_->ControllerKey(code); };
  if (client_) {
    auto* poll = new QTimer(this);
    connect(poll, &QTimer::timeout, this, [this] {
      if (!loading_ && client_) client_->ProcessEvents();
    });
    poll->start(kControllerPollMs);
  }
  file_dialog_->Load(client_, owner_.get());
  SetCaptions();
  if (context_->messages.ready()) {
    context_->AddMessage(context_->AssistantText("Load"), "010", "");
  } else {
    context_->messages.SetUp(1);
    keys_.MenueKey(7)->setEnabled(true);
  }
  file_dialog_->raise();
}

void Editor::ShowModeText() {
  const AppContext& c = *context_;
  status_->Panel(3)->setText(
      UiText(c.AssistantText("Editor") + " ( " +
             c.AssistantText(switches_.OnlyTtsMode ? "Bearbeiten" : "Setup") + " )"));
}

void Editor::SetCaptions() {
  auto text = [&](std::string_view key) { return context_->AssistantText(key); };
  auto caption = [&](int i, const std::string& s) { keys_.MenueKey(i)->setText(UiText(s)); };
  const std::string util = Trim(text("mnuUtil"));
  caption(0, Trim(text("mnuFile")));
  caption(1, Trim(text("mnuEdit")).substr(0, 8));
  caption(2, util);
  caption(3, "&4 HotEdit");
  caption(4, "&5 Ext." + (util.size() > 3 ? util.substr(3, 10) : std::string()));
  caption(5, Trim(text("mnuoption")));
  caption(7, Trim(text("mnuHelp")));
  menus_.SetCaptions(context_->language);
  // Captions that commands set by their language key are translated.
  auto translate = [&](KeyButton* key) {
    if (!key->text().isEmpty())
      key->setText(UiText(context_->AssistantText(key->text().toStdString())));
  };
  for (int i = 2; i <= 6; ++i) translate(keys_.SoftKey(i));
  for (int i : {0, 1, 4}) translate(keys_.StatKeyL(i));
  list_->SetHeaders(context_->language);
}

void Editor::FocusView() {
  if (view_->isVisible()) view_->setFocus();
}

void Editor::focusInEvent(QFocusEvent* e) {
  QWidget::focusInEvent(e);
  FocusView();
}

void Editor::closeEvent(QCloseEvent* e) {
  if (!ended_) {
    e->ignore();
    EndProgram();
    return;
  }
  QWidget::closeEvent(e);
}

void Editor::YieldToHmi() {
  setWindowFlag(Qt::WindowStaysOnTopHint, false);
  show();
  lower();
}

void Editor::EndProgram() {
  if (ended_) return;
  if (program_->loaded() && HasChanges(*program_)) SaveProgram();
  if (client_) client_->ServerOff();
  std::error_code ignored;
  std::filesystem::remove_all(TempFolder(), ignored);
  ended_ = true;
  file_dialog_->hide();
  hide();
  if (on_end) on_end();
}

}  // namespace velmora
