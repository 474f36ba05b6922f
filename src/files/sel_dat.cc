#include "files/sel_dat.h"

#include <QApplication>
#include <QKeyEvent>
#include <algorithm>
#include <cmath>

#include "base/app_context.h"
#include "base/paths.h"
#include "base/profile.h"
#include "base/strings.h"
#include "commands/files/program_files.h"
#include "controller/controller_link.h"
#include "controller/zintra_comm.h"
#include "files/path_no_case.h"

namespace velmora {
namespace {

const QColor kGrey(192, 192, 192);
const QColor kCyan(0, 255, 255);
constexpr int kTitleHeight = 300;  // twips of the caption bar
constexpr int kProgressBars = 75;  // vertical bars of a full progress label

// Language texts and program names are Windows-1252 bytes.
QString Q(std::string_view cp1252) {
  return QString::fromStdString(Cp1252ToUtf8(cp1252));
}
std::string S(const QString& text) {
  return text.toStdString();
}

// `MakeSingleFileName`: the text before the first ".".
std::string BeforeDot(std::string_view name) {
  return std::string(name.substr(0, name.find('.')));
}

bool IsNavigationKey(int key) {
  return key == Qt::Key_PageUp || key == Qt::Key_PageDown || key == Qt::Key_Left ||
         key == Qt::Key_Up || key == Qt::Key_Right || key == Qt::Key_Down;
}

bool IsEnter(int key) {
  return key == Qt::Key_Return || key == Qt::Key_Enter;
}

}  // namespace

selDat::selDat(QWidget* window, double scale, AppContext& context, FileDialogHost& host,
               bool connect_switch)
    : QFrame(window),
      context_(&context),
      host_(&host),
      connect_switch_(connect_switch),
      scale_(scale) {
  setObjectName(QStringLiteral("selDat"));
  setFrameStyle(QFrame::Panel | QFrame::Raised);
  setLineWidth(2);
  setAutoFillBackground(true);
  setGeometry(px(1700), px(800), px(6270), px(3600 + kTitleHeight));
  QPalette grey = palette();
  grey.setColor(QPalette::Window, kGrey);
  setPalette(grey);

  QFont bold = font();
  bold.setBold(true);
  title_ = new QLabel(this);
  title_->setGeometry(2, 2, px(6270) - 4, px(kTitleHeight) - 2);
  title_->setAutoFillBackground(true);
  QPalette title = title_->palette();
  title.setColor(QPalette::Window, QColor(0, 0, 128));
  title.setColor(QPalette::WindowText, Qt::white);
  title_->setPalette(title);
  title_->setFont(bold);
  title_->setIndent(px(60));

  file_list_ = new QListWidget(this);
  file_list_->setObjectName(QStringLiteral("FileListe"));
  file_list_->setSortingEnabled(true);
  dir_box_ = new QListWidget(this);
  dir_box_->setObjectName(QStringLiteral("dirBox"));
  drv_box_ = new QComboBox(this);
  drv_box_->setObjectName(QStringLiteral("drvBox"));
  folder_label_ = new QLabel(this);
  folder_label_->setObjectName(QStringLiteral("dirLabel"));
  ok_ = new QPushButton(QStringLiteral("OK"), this);
  ok_->setObjectName(QStringLiteral("okBtn"));
  info_ = new QLabel(this);
  info_->setObjectName(QStringLiteral("InfoLbl"));
  info_->setFont(bold);
  progress_ = new QLabel(this);
  progress_->setObjectName(QStringLiteral("ProgressLbl"));
  progress_->setFont(bold);
  malvo_timer_ = new QTimer(this);
  malvo_timer_->setInterval(100);
  malvo_timer_->setSingleShot(true);

  for (const char* place : {"/"}) drv_box_->addItem(QString::fromLatin1(place));
  if (const char* home = std::getenv("HOME")) drv_box_->addItem(QString::fromLocal8Bit(home));
  for (const char* mounts : {"/media", "/mnt"}) {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(mounts, error))
      if (entry.is_directory(error)) drv_box_->addItem(QString::fromStdString(entry.path()));
  }

  connect(file_list_, &QListWidget::itemClicked, this, [this] { ShowProgramPath(); });
  connect(file_list_, &QListWidget::itemDoubleClicked, this, [this] {
    if (ok_->isEnabled()) OkBtn_Click();
  });
  connect(ok_, &QPushButton::clicked, this, [this] { OkBtn_Click(); });
  connect(dir_box_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
    SetFolder(item->data(Qt::UserRole).toString().toStdString());
  });
  connect(drv_box_, &QComboBox::activated, this, [this](int index) {
    // A drive that cannot be opened gives the drive of the folder back.
    if (!SetFolder(S(drv_box_->itemText(index)))) drv_box_->setCurrentIndex(0);
  });
  connect(malvo_timer_, &QTimer::timeout, this, [this] {
    if (isVisible()) file_list_->setFocus();
  });
  connect(qApp, &QApplication::focusChanged, this,
          [this](QWidget*, QWidget* now) { FocusChanged(now); });
  for (QWidget* w : std::initializer_list<QWidget*>{file_list_, dir_box_, drv_box_, ok_})
    w->installEventFilter(this);
  LayOut(false);
  hide();
}

int selDat::px(int twips) const {
  return static_cast<int>(std::lround(twips / 15.0 * scale_));
}

void selDat::LayOut(bool connected) {
  const int top = kTitleHeight;
  auto place = [&](QWidget* w, int left, int y, int width, int height) {
    w->setGeometry(px(left), px(top + y), px(width), px(height));
  };
  if (connected) {
    place(file_list_, 1600, 100, 3000, 2400);
    place(info_, 300, 2550, 4200, 400);
  } else {
    place(drv_box_, 100, 100, 2600, 330);
    place(folder_label_, 100, 470, 2600, 280);
    place(dir_box_, 100, 780, 2600, 1720);
    place(file_list_, 2850, 100, 3250, 2400);
    place(info_, 100, 2550, 4400, 400);
  }
  drv_box_->setVisible(!connected);
  dir_box_->setVisible(!connected);
  folder_label_->setVisible(!connected);
  place(ok_, 4700, 2570, 1400, 400);
  place(progress_, 100, 3020, 6000, 330);
  file_list_->show();
}

void selDat::Load(cZintraComm* client, ZintraOwner* owner) {
  client_ = client;
  host_->FileDialogShown();
  title_->setText(Q(context_->AssistantText("SelDatFrm")));
  if (auto root = ResolveFolderNoCase(ControllerRootFolder())) SetFolder(*root);
  if (folder_.empty()) SetFolder(ShareFolder() / "demo" / "cell" / "NOXA" / "R1" / "PROGRAM");
  if (folder_.empty()) {
    std::error_code error;
    SetFolder(std::filesystem::current_path(error));
  }
  progress_->clear();
  chosen_entry_.clear();
  if (client_) AttachController(*context_, *client_, owner);
  ReadFileList();
  show();
  raise();
  malvo_timer_->start();
}

bool selDat::IsConnected() const {
  return client_ && client_->ZintraIsConnected();
}

void selDat::Activate() {
  show();
  raise();
  progress_->clear();
  if (IsConnected() && file_list_->count() > 0 && !file_list_->currentItem())
    file_list_->setCurrentRow(0);
  if (!connect_switch_) {
    if (auto start = ResolveFolderNoCase(ControllerRootFolder() + "\\ROBOTER\\NOXA\\R1"))
      SetFolder(*start);
  }
  file_list_->setFocus();
}

bool selDat::SetFolder(const std::filesystem::path& folder) {
  std::error_code error;
  if (folder.empty() || !std::filesystem::is_directory(folder, error)) return false;
  std::filesystem::path canonical = std::filesystem::weakly_canonical(folder, error);
  if (error) canonical = folder;
  if (canonical == folder_) return true;
  folder_ = canonical;
  FillFolderBox();
  ReadFileList();
  return true;
}

void selDat::FillFolderBox() {
  dir_box_->clear();
  folder_label_->setText(QString::fromStdString(folder_.string()));
  folder_label_->setToolTip(folder_label_->text());
  if (folder_.has_parent_path() && folder_ != folder_.root_path()) {
    auto* up = new QListWidgetItem(QStringLiteral(".."), dir_box_);
    up->setData(Qt::UserRole, QString::fromStdString(folder_.parent_path().string()));
  }
  std::vector<std::filesystem::path> folders;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder_, error))
    if (entry.is_directory(error)) folders.push_back(entry.path());
  std::sort(folders.begin(), folders.end());
  for (const auto& f : folders) {
    auto* item = new QListWidgetItem(QString::fromStdString(f.filename().string()), dir_box_);
    item->setData(Qt::UserRole, QString::fromStdString(f.string()));
  }
}

void selDat::ReadStandardFiles() {
  standard_files_ = velmora::ReadStandardFiles();
}

// The ".src" files of the folder (`fileBox`), in name order.
std::vector<std::string> selDat::DiskEntries() const {
  std::vector<std::string> names;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder_, error)) {
    if (!entry.is_regular_file(error)) continue;
    std::string name = entry.path().filename().string();
    if (name.size() > 4 && EqualsNoCase(name.substr(name.size() - 4), ".src"))
      names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

void selDat::ReadFileList() {
  file_list_->clear();
  gu_src_files_.clear();
  ReadStandardFiles();
  const bool connected = IsConnected();
  LayOut(connected);
  std::vector<std::string> names;
  if (connected) {
    names = ControllerEntries();
  } else {
    for (const std::string& entry : DiskEntries()) {
      const std::string base = ToUpper(BeforeDot(entry));
      bool standard = std::any_of(standard_files_.begin(), standard_files_.end(),
                                  [&](const std::string& s) { return ToUpper(s) == base; });
      if (!standard_files_.empty() && (entry[0] == '$' || Contains(ToUpper(entry), ".DAT")))
        standard = true;
      if (!standard) names.push_back(entry);
    }
  }
  for (const std::string& name : names) {
    file_list_->addItem(Q(name));
    gu_src_files_.push_back(name);
  }
  file_list_->update();
}

std::vector<std::string> selDat::ReadFileList_gu() {
  // The names of the folder the dialog shows (or of the controller), all of them.
  if (IsConnected()) return ControllerEntries();
  return DiskEntries();
}

void selDat::ShowProgramPath() {
  QListWidgetItem* item = file_list_->currentItem();
  if (!item) return;
  const std::string wanted = ToUpper("\\" + BeforeDot(Utf8ToCp1252(S(item->text()))) + ".SRC");
  info_->clear();
  for (const std::string& path : program_paths_) {
    if (Contains(ToUpper(path), wanted)) {
      info_->setText(Q(path));
      break;
    }
  }
  info_->show();
}

void selDat::DispProgress(int percent) {
  const int wanted = std::clamp(static_cast<int>(std::lround(percent * 0.75)), 0, kProgressBars);
  QString bars = progress_->text();
  if (bars.size() >= wanted) return;
  bars.append(QString(wanted - bars.size(), QLatin1Char('|')));
  progress_->setText(bars);
}

void selDat::OkBtn_Click() {
  ok_->setEnabled(false);
  host_->ClearProgramView();
  QListWidgetItem* item = file_list_->currentItem();
  if (item && !item->text().isEmpty()) {
    std::string entry = Utf8ToCp1252(S(item->text()));
    chosen_name_ = BeforeDot(entry);
    chosen_entry_ = entry;
  } else {
    chosen_entry_.clear();
  }
  if (chosen_entry_.empty()) {
    ok_->setEnabled(true);
    return;
  }
  host_->ShowBusy(true);
  info_->setText(Q(context_->AssistantText("LoadFile")));
  info_->show();
  ok_->setText(Q(context_->AssistantText("Load")));
  if (host_->ChoosingMirrorSource()) {
    host_->ShowBusy(false);
    info_->clear();
    hide();
    ok_->setText(QStringLiteral("OK"));
    ok_->setEnabled(true);
    host_->MirrorSourceChosen(chosen_name_);
    return;
  }
  host_->LoadChosenProgram(chosen_entry_);
  host_->ShowBusy(false);
  ok_->setEnabled(true);
  ok_->setText(QStringLiteral("OK"));
  info_->clear();
  hide();
  host_->ChosenProgramShown();
}

void selDat::EscRule(int key) {
  if (key != Qt::Key_Escape) return;
  hide();
  host_->FileDialogEscaped();
}

bool selDat::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
    return QFrame::eventFilter(watched, event);
  auto* key_event = static_cast<QKeyEvent*>(event);
  const int key = key_event->key();
  if (event->type() == QEvent::KeyRelease) {
    if (watched == file_list_ && IsNavigationKey(key)) ShowProgramPath();
    return false;
  }
  if (watched == file_list_) {
    if (IsEnter(key) && ok_->isEnabled()) OkBtn_Click();
    EscRule(key);
    return IsEnter(key) || key == Qt::Key_Escape;
  }
  if (watched == dir_box_) {
    if (IsEnter(key) && dir_box_->currentItem())
      SetFolder(S(dir_box_->currentItem()->data(Qt::UserRole).toString()));
    EscRule(key);
    return IsEnter(key) || key == Qt::Key_Escape;
  }
  EscRule(key);
  return key == Qt::Key_Escape;
}

void selDat::FocusChanged(QWidget* now) {
  const bool inside = now && isAncestorOf(now);
  if (inside == has_focus_) return;
  has_focus_ = inside;
  QPalette p = palette();
  p.setColor(QPalette::Window, inside ? kCyan : kGrey);
  setPalette(p);
  if (inside) host_->FileDialogFocused();
}

std::vector<std::string> selDat::ControllerEntries() {
  std::vector<std::string> names;
  program_paths_.clear();
  GetUserFiles(FileSource{*context_, folder_}, names, &program_paths_);
  return names;
}

}  // namespace velmora
