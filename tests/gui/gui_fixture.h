#pragma once
// The window under test: a fresh program folder, templates folder and disk folder, the shipped
// English texts, questions answered from a script, and helpers that press keys as an operator.
#include <QPixmap>
#include <QString>
#include <QStringList>
#include <deque>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/editor.h"
#include "app/operator_dialogs.h"
#include "base/app_context.h"
#include "controller/zintra_comm.h"
#include "program/program.h"
#include "support/test_support.h"

namespace velmora::test {

// Answers the window's questions from a script; an unscripted yes/no question answers No.
class ScriptedDialogs : public OperatorDialogs {
 public:
  bool AskYesNo(std::string_view text, std::string_view title) override;
  void Inform(std::string_view text, std::string_view title) override;
  std::optional<std::string> AskText(std::string_view prompt, std::string_view title,
                                     std::string_view preset) override;
  std::optional<std::string> AskSaveFileName(std::string_view title, std::string_view folder,
                                             std::string_view name,
                                             std::string_view filter) override;
  std::deque<bool> yes_no;
  std::optional<std::string> text;
  std::optional<std::string> file_name;
  std::vector<std::string> asked;  // the texts of every question, in order
};

// A program pair of `motions` PTP folds on points XP1.., with an empty line after every
// second motion; `blank_lines` false leaves them out.
struct ProgramPair {
  std::string src;
  std::string dat;
};
ProgramPair MotionProgram(const std::string& name, int motions, bool blank_lines = true);

// The simulator `zevo_hmi_sim` on a free loopback port, serving `cell`.
class Simulator {
 public:
  explicit Simulator(const std::filesystem::path& cell);
  ~Simulator();
  bool running() const { return !address_.empty(); }
  // `zevo_hmi_sim ctl ADDRESS args`: true when it succeeded.
  bool Ctl(const std::string& args) const;
  const std::string& address() const { return address_; }

 private:
  int pid_ = -1;
  std::string address_;
};

// The simulator serving a copy of the demo cell (demo/cell) in a temporary folder.
class DemoController {
 public:
  DemoController();
  bool running() const { return simulator_ && simulator_->running(); }
  std::string address() const { return simulator_ ? simulator_->address() : std::string(); }
  bool Ctl(const std::string& args) const { return simulator_ && simulator_->Ctl(args); }
  const std::filesystem::path& cell() const { return cell_.path(); }

 private:
  TempDir cell_;
  std::unique_ptr<Simulator> simulator_;
};

// The first record whose point is `name`; 0 when there is none.
int RecordOfPoint(const Program& program, const std::string& name);

class GuiFixture {
 public:
  GuiFixture();
  ~GuiFixture();

  // Starts the window as `velmora` does; the client connects to `controller` (default: a port
  // where nothing listens, so the file dialog works on the disk folder).
  void Start(const std::string& controller = "127.0.0.1:1", StartSwitches switches = {});
  Editor& editor() { return *editor_; }
  const std::filesystem::path& disk() const { return disk_; }
  std::filesystem::path WriteProgram(const std::string& name, const ProgramPair& pair) const;

  // A pendant key pressed and released (113..119 soft keys, 120..127 menu keys, 128..133
  // status keys).
  void Pendant(int code);
  // Opens the popup of a menu key with the pendant and chooses the items in `path` (ids such
  // as "mnuPrint", "mnuaktuelle") with the cursor keys and Enter.
  void ChooseMenuItem(int menu_key, const std::vector<std::string>& path);
  // Makes `record` current with Up and Down in the program view.
  void MoveTo(int record);
  // Chooses `entry` in the file dialog's list with the keyboard and presses Enter.
  void LoadFromDialog(const QString& entry);

  QStringList MessageTexts(int column) const;
  QString LastMessage(int column) const;
  // The area number ("110", "300") of the last message; the list does not show it.
  QString LastMessageNo() const;
  // Saves the window (with an open popup menu drawn over it) as build/screenshots/NAME.png.
  // False when no font is installed, so that text would not render.
  bool Screenshot(const QString& name, QWidget* popup = nullptr);

  ScriptedDialogs dialogs;
  TempDir dir;
  std::unique_ptr<AppContext> context;
  std::unique_ptr<Program> program;

 private:
  std::filesystem::path disk_;
  std::unique_ptr<cZintraComm> client_;
  std::unique_ptr<Editor> editor_;
};

}  // namespace velmora::test
