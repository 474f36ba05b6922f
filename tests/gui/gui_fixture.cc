#include "gui/gui_fixture.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QApplication>
#include <QFontDatabase>
#include <QMenu>
#include <QPainter>
#include <QTest>
#include <QTreeWidget>
#include <cstdio>
#include <cstdlib>
#include <regex>

#include "app/message_list_view.h"
#include "app/program_view.h"
#include "base/language.h"
#include "files/sel_dat.h"

namespace velmora::test {

bool ScriptedDialogs::AskYesNo(std::string_view text, std::string_view) {
  asked.emplace_back(text);
  if (yes_no.empty()) return false;
  bool answer = yes_no.front();
  yes_no.pop_front();
  return answer;
}

void ScriptedDialogs::Inform(std::string_view text, std::string_view) {
  asked.emplace_back(text);
}

std::optional<std::string> ScriptedDialogs::AskText(std::string_view prompt, std::string_view,
                                                    std::string_view) {
  asked.emplace_back(prompt);
  return text;
}

std::optional<std::string> ScriptedDialogs::AskSaveFileName(std::string_view title,
                                                            std::string_view, std::string_view,
                                                            std::string_view) {
  asked.emplace_back(title);
  return file_name;
}

ProgramPair MotionProgram(const std::string& name, int motions, bool blank_lines) {
  ProgramPair pair;
  pair.src = "&ACCESS RVP\r\n&REL 1\r\nDEF " + name + "( )\r\n";
  pair.dat = "&ACCESS RVP\r\nDEFDAT  " + name + "\r\n";
  for (int i = 1; i <= motions; ++i) {
    const std::string n = std::to_string(i);
    pair.src += ";FOLD PTP P" + n + " Vel=100 % PDAT" + n +
                ";%{PE}%R 3.2.24,%MZEVOTPBASIS,%CMOVE,%VPTP,%P 1:PTP, 2:P" + n +
                ", 3:, 5:100, 7:PDAT" + n + "\r\nPDAT_ACT=PPDAT" + n + "\r\nFDAT_ACT=FP" + n +
                "\r\nBAS (#PTP_PARAMS,100 )\r\nPTP XP" + n + "\r\n;ENDFOLD\r\n";
    if (blank_lines && i % 2 == 0) pair.src += "\r\n";
    pair.dat += "DECL E6POS XP" + n + "={X " + n + "00.0,Y 20.0,Z 30.0,A 0.0,B 90.0,C 0.0,S 2,T 2" +
                ",E1 0.0,E2 0.0,E3 0.0,E4 0.0,E5 0.0,E6 0.0}\r\n";
    pair.dat += "DECL FDAT FP" + n + "={TOOL_NO 1,BASE_NO 0,IPO_FRAME #BASE}\r\n";
    pair.dat += "DECL PDAT PPDAT" + n + "={VEL 100.0,ACC 100.0,APO_DIST 100.0}\r\n";
  }
  pair.src += "END\r\n";
  pair.dat += "ENDDAT\r\n";
  return pair;
}

Simulator::Simulator(const std::filesystem::path& cell) {
  const std::string binary = std::string(VELMORA_BINARY_DIR) + "/src/sim/zevo_hmi_sim";
  if (access(binary.c_str(), X_OK) != 0) return;
  int out[2];
  if (pipe(out) != 0) return;
  pid_ = fork();
  if (pid_ == 0) {
    dup2(out[1], STDOUT_FILENO);
    close(out[0]);
    close(out[1]);
    execl(binary.c_str(), binary.c_str(), "--cell", cell.c_str(), "--listen", "127.0.0.1:0",
          static_cast<char*>(nullptr));
    _exit(127);
  }
  close(out[1]);
  FILE* stream = fdopen(out[0], "r");
  char line[512];
  static const std::regex kAddress(R"((127\.0\.0\.1:\d+))");
  while (stream && fgets(line, sizeof line, stream)) {
    std::smatch m;
    std::string text = line;
    if (std::regex_search(text, m, kAddress)) {
      address_ = m[1];
      break;
    }
  }
  // The pipe stays open so that the simulator never writes into a closed one.
}

bool Simulator::Ctl(const std::string& args) const {
  const std::string command = std::string(VELMORA_BINARY_DIR) + "/src/sim/zevo_hmi_sim ctl " +
                              address_ + " " + args + " > /dev/null 2>&1";
  return std::system(command.c_str()) == 0;
}

Simulator::~Simulator() {
  if (pid_ <= 0) return;
  kill(pid_, SIGTERM);
  waitpid(pid_, nullptr, 0);
}

DemoController::DemoController() {
  std::filesystem::copy(std::filesystem::path(VELMORA_SHARE_DIR) / "demo" / "cell", cell_.path(),
                        std::filesystem::copy_options::recursive);
  simulator_ = std::make_unique<Simulator>(cell_.path());
}

int RecordOfPoint(const Program& program, const std::string& name) {
  for (int k = 1; k <= program.LineCount(); ++k)
    if (program.Record(k).Point1Name == name) return k;
  return 0;
}

GuiFixture::GuiFixture() {
  setenv("VELMORA_HOME", (dir.path() / "home").c_str(), 1);
  setenv("XDG_TEMPLATES_DIR", (dir.path() / "templates").c_str(), 1);
  disk_ = dir.path() / "disk";
  std::filesystem::create_directories(disk_);
  context = std::make_unique<AppContext>(Language::FromEnvironment());
  program = std::make_unique<Program>(*context);
}

GuiFixture::~GuiFixture() {
  editor_.reset();
  client_.reset();
}

std::filesystem::path GuiFixture::WriteProgram(const std::string& name,
                                               const ProgramPair& pair) const {
  dir.Write("disk/" + name + ".src", pair.src);
  if (!pair.dat.empty()) dir.Write("disk/" + name + ".dat", pair.dat);
  return disk_ / (name + ".src");
}

void GuiFixture::Start(const std::string& controller, StartSwitches switches) {
  client_ = std::make_unique<cZintraComm>(controller);
  editor_ = std::make_unique<Editor>(*context, *program, switches, dialogs, 2.25);
  editor_->on_end = [] {};
  editor_->show();
  editor_->EditorLoad(client_.get());
  editor_->SetNoProgramKeys();
  editor_->file_dialog()->SetFolder(disk_);
  editor_->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(editor_.get()));
}

void GuiFixture::Pendant(int code) {
  editor_->PendantKeyDown(code);
  editor_->PendantKeyUp(code);
  QCoreApplication::processEvents();
}

void GuiFixture::ChooseMenuItem(int menu_key, const std::vector<std::string>& path) {
  Pendant(120 + menu_key);
  for (const std::string& id : path) {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY2(menu, id.c_str());
    QAction* action = editor_->menus().Item(id);
    QVERIFY2(action && action->isEnabled(), id.c_str());
    menu->setActiveAction(action);
    QTest::keyClick(menu, action->menu() ? Qt::Key_Right : Qt::Key_Return);
  }
  QCoreApplication::processEvents();
}

void GuiFixture::MoveTo(int record) {
  ProgramView* view = editor_->view();
  view->setFocus();
  while (program->CurrentLine != record) {
    const int from = program->CurrentLine;
    QTest::keyClick(view, record > from ? Qt::Key_Down : Qt::Key_Up);
    QVERIFY(program->CurrentLine != from);
  }
}

void GuiFixture::LoadFromDialog(const QString& entry) {
  QListWidget* list = editor_->file_dialog()->FileListe();
  QVERIFY(editor_->file_dialog()->isVisible());
  list->setFocus();
  auto items = list->findItems(entry, Qt::MatchFixedString);
  QVERIFY2(!items.isEmpty(), qPrintable(entry));
  while (list->currentItem() != items.front()) {
    const int from = list->currentRow();
    QTest::keyClick(list, list->row(items.front()) > from ? Qt::Key_Down : Qt::Key_Up);
    QVERIFY(list->currentRow() != from);
  }
  QTest::keyClick(list, Qt::Key_Return);
}

QStringList GuiFixture::MessageTexts(int column) const {
  QStringList texts;
  QTreeWidget* list = editor_->message_list();
  for (int i = 0; i < list->topLevelItemCount(); ++i) texts << list->topLevelItem(i)->text(column);
  return texts;
}

QString GuiFixture::LastMessage(int column) const {
  QStringList texts = MessageTexts(column);
  return texts.isEmpty() ? QString() : texts.back();
}

QString GuiFixture::LastMessageNo() const {
  const auto& lines = context->messages.lines();
  return lines.empty() ? QString() : QString::fromStdString(lines.back().message_no);
}

bool GuiFixture::Screenshot(const QString& name, QWidget* popup) {
  if (QFontDatabase::families().isEmpty()) return false;
  QCoreApplication::processEvents();
  QPixmap picture = editor_->grab();
  QPainter painter(&picture);
  QList<QMenu*> menus;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* menu = qobject_cast<QMenu*>(w); menu && menu->isVisible()) menus << menu;
  if (popup && !menus.contains(popup)) menus << static_cast<QMenu*>(popup);
  for (QMenu* menu : menus) painter.drawPixmap(editor_->mapFromGlobal(menu->pos()), menu->grab());
  painter.end();
  const QString folder = QStringLiteral(VELMORA_SCREENSHOT_DIR);
  std::filesystem::create_directories(folder.toStdString());
  return picture.save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
}

}  // namespace velmora::test
