#pragma once
// `Editor`: the main window. It holds the key rows and menus, the program view with its detail
// view and search frame, the message list, the status bar and the file selection dialog, and
// routes every key to the command that owns it. Commands of other families plug into
// `commands()` under their names and use the key states and mode flags below.
#include <QWidget>
#include <filesystem>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>

#include "app/app_state.h"
#include "app/command_registry.h"
#include "app/detail_view.h"
#include "app/key_rows.h"
#include "app/menus.h"
#include "app/navigation.h"
#include "app/twips.h"
#include "commands/edit/clipboard.h"
#include "commands/manualshift/manual_shift.h"
#include "files/file_dialog_host.h"
#include "geometry/tool_base_tables.h"

namespace velmora {

struct AppContext;
class cZintraComm;
struct ZintraOwner;
class MessageListView;
class OperatorDialogs;
class Program;
class ProgramView;
class SearchFrame;
class InputFrame;
class StatusBar;
class selDat;
class KeyMapOverlay;
class PendantKeys;

using ItemIds = std::initializer_list<std::string_view>;

class Editor : public QWidget, public NavigationHost, public FileDialogHost {
 public:
  Editor(AppContext& context, Program& program, StartSwitches switches, OperatorDialogs& dialogs,
         double scale);
  ~Editor() override;

  // `EditorLoad`: prepares the window, opens the file dialog (which connects `client`, when
  // given) and sets the captions and the message list up.
  void EditorLoad(cZintraComm* client);
  void SetCaptions();
  // `EndProgram`: saves when needed, closes the link, removes the temporary folder, then
  // `on_end` quits.
  void EndProgram();
  // `YieldToHmi`: the window gives up the front for the operator interface.
  void YieldToHmi();

  // Keys.
  void MenuKeyPressed(int i);
  void SoftKeyPressed(int i);
  void StatusKeyPressed(int i);
  void HuxKey(int code);
  void gu_StatkeyL(int code);
  // Key codes of the pendant-key control: 113..119 soft keys, 120..127 menu keys, 128..133
  // status keys.
  void PendantKeyDown(int code);
  void PendantKeyUp(int code);
  void AdvanceStep();
  void StepBack();

  // Key states.
  void SetSoftKeys(const SoftKeyPictures& pictures);
  void SetNoProgramKeys(ItemIds items = {});
  void SetProgramKeys(ItemIds items = {});
  void SetUtilityKeys(ItemIds items = {});

  // The program.
  void OpenProgram();
  void SaveProgram();
  void CloseProgram();
  void HighlightCurrentLine() { navigation_.HighlightCurrentLine(); }
  void ShowDetails();

  // Search.
  void ShowSearchFrame();
  void HideSearchFrame();
  void SearchNext();
  void SearchPrompt() override;

  // Output (printing, files, display).
  void ChooseOutputKind(int kind);
  void OutputCurrent();
  void OutputAll();
  void SetOutputPath();
  int Ausgabe_art() const { return output_kind_; }
  const std::string& path_Str() const { return output_folder_; }
  std::filesystem::path TEMP_PFAD_gu() const;

  // Manual shift (the input frame with its six boxes).
  void StartManualShift(ShiftMode mode);
  void ApplyManualShift();
  void CancelManualShift();

  // Panes of the commands of other families register here, so the status keys can reach them.
  void SetInputFrame(QWidget* frame, QWidget* first_field);
  void SetHotEditInfoFrame(QWidget* frame) { hot_edit_info_frame_ = frame; }

  AppContext& context() { return *context_; }
  Program& program() { return *program_; }
  ModeFlags& flags() { return flags_; }
  const StartSwitches& switches() const { return switches_; }
  CommandRegistry& commands() { return commands_; }
  Navigation& navigation() { return navigation_; }
  KeyRows& keys() { return keys_; }
  Menus& menus() { return menus_; }
  const Twips& twips() const { return twips_; }
  ProgramView* view() const { return view_; }
  DetailView& details() { return details_; }
  SearchFrame* search_frame() const { return search_; }
  InputFrame* input_frame() const { return input_; }
  // The input frame's state: 1 BASE, 2 WORLD, 3 TCP, 4 AXIS (hot edit: 1 to 3, 7 to 10); it
  // keeps its last value when the frame closes.
  int InputFrameState() const { return input_frame_state_; }
  // The program-wide clipboard of Copy and Cut; it outlives Close and Open.
  const Clipboard& clipboard() const { return clipboard_; }
  MessageListView* message_list() const { return list_; }
  StatusBar* status_bar() const { return status_; }
  selDat* file_dialog() const { return file_dialog_; }
  PendantKeys* pendant_keys() const { return pendant_; }
  bool DetailViewShown() const { return details_.visible(); }
  const std::string& LastSearchText() const { return last_search_text_; }
  // `MaxTool` and `MaxBase`, read from the controller at start.
  const ToolBaseLimits& tool_base_limits() const { return limits_; }

  std::function<void()> on_end;
  // Opens a written listing on the desktop (output kind 1); tests replace it.
  std::function<bool(const std::filesystem::path& file)> open_document;
  // The mirror utility's choice of its source program in the file dialog.
  std::function<void(const std::string& name)> on_mirror_source_chosen;

  // NavigationHost.
  void ShowCurrentRecord(bool block_marking) override;
  void CutBlock() override;
  void DeleteBlock() override;
  void LeaveEntry() override;
  void OpenMenuKey(int key) override;

  // FileDialogHost.
  void FileDialogShown() override;
  void FileDialogFocused() override;
  void FileDialogEscaped() override;
  void ClearProgramView() override;
  bool ChoosingMirrorSource() const override;
  void MirrorSourceChosen(const std::string& name) override;
  void LoadChosenProgram(const std::string& entry) override;
  void ChosenProgramShown() override;
  void ShowBusy(bool busy) override;

 protected:
  void focusInEvent(QFocusEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* e) override;

 private:
  void BuildWidgets();
  void RegisterCommands();
  void RegisterEditCommands();
  void RegisterManualShiftCommands();
  bool EditAllowed() const;
  bool RecordsMayChange() const;
  void EndBlockAndHighlight();
  void CloseManualShift();
  void InputBoxLeft(int index);
  void MenuItemChosen(const std::string& id);
  void AfterPopup();
  void ShowModeText();
  void ViewKeyPress(QKeyEvent* e);
  void ViewKeyRelease(QKeyEvent* e);
  void StatusKeyEvent(int index, QKeyEvent* e);
  void ToggleDetailView();
  void EnableMenusForRecord();
  void FocusView();
  bool FileDialogVisible() const;
  bool InputFrameOpen() const;
  bool SaveIfChanged();
  void StartLoad(const std::string& entry);
  void EndReferenceShift();
  void ShowVersion();
  void ShowKeyMap();
  void OutputOne(const std::string& name, const std::string& text);
  void AddOutputMessage(std::string_view name_key, const std::string& result);

  AppContext* context_;
  Program* program_;
  StartSwitches switches_;
  OperatorDialogs* dialogs_;
  Twips twips_;
  ModeFlags flags_;
  CommandRegistry commands_;
  Navigation navigation_;
  KeyRows keys_;
  Menus menus_;
  DetailView details_;
  ProgramView* view_ = nullptr;
  SearchFrame* search_ = nullptr;
  InputFrame* input_ = nullptr;
  MessageListView* list_ = nullptr;
  StatusBar* status_ = nullptr;
  selDat* file_dialog_ = nullptr;
  KeyMapOverlay* key_map_ = nullptr;
  PendantKeys* pendant_ = nullptr;
  cZintraComm* client_ = nullptr;
  std::unique_ptr<ZintraOwner> owner_;
  QWidget* input_frame_ = nullptr;
  QWidget* input_first_field_ = nullptr;
  QWidget* hot_edit_info_frame_ = nullptr;
  std::string last_search_text_;
  Clipboard clipboard_;
  ManualShiftState manual_shift_;
  int input_frame_state_ = 0;
  int last_input_box_ = 0;       // the box the operator was in last
  bool checking_input_ = false;  // a box check runs (and may move the focus itself)
  ToolBaseLimits limits_{16, 16};
  int output_kind_ = 0;        // `Ausgabe_art`: 0 printer, 1 display, 2 file
  std::string output_folder_;  // `path_Str`, ending with "/" when set
  bool print_ok_ = true;       // `PrintOk`
  bool loading_ = false;
  bool busy_cursor_ = false;
  bool popup_open_ = false;
  bool popup_pending_ = false;  // a popup closed; its after-steps still to run
  bool ended_ = false;
};

}  // namespace velmora
