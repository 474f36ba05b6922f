#pragma once
// `selDat`: the file selection dialog. Connected to the controller it offers the user programs
// there; otherwise the ".src" files of a disk folder, chosen with a drive box and a folder box.
// It lies over the main window and is hidden, never closed, after a choice or Esc.
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <filesystem>
#include <string>
#include <vector>

#include "files/file_dialog_host.h"

namespace velmora {

struct AppContext;
class cZintraComm;
struct ZintraOwner;

class selDat : public QFrame {
 public:
  // `scale` is the window's twips scale; `connect_switch` keeps the folder on activation.
  selDat(QWidget* window, double scale, AppContext& context, FileDialogHost& host,
         bool connect_switch);

  // The load event: keys, caption, start folder, the controller link (`Init` with `owner`,
  // `ConnectToZintra`), the list, and the focus a moment later.
  void Load(cZintraComm* client, ZintraOwner* owner);
  // Shows the dialog again (the open command and start-up).
  void Activate();
  bool IsConnected() const;

  void ReadFileList();
  // The names of every program of the current folder or the controller, for output of all.
  std::vector<std::string> ReadFileList_gu();
  void OkBtn_Click();
  // Appends vertical bars to the progress label up to percent x 0.75; never removes any.
  void DispProgress(int percent);

  const std::filesystem::path& folder() const { return folder_; }
  bool SetFolder(const std::filesystem::path& folder);
  const std::vector<std::string>& gu_SrcFiles() const { return gu_src_files_; }
  const std::vector<std::string>& ProgramPaths() const { return program_paths_; }
  const std::string& ChosenEntry() const { return chosen_entry_; }
  const std::string& ChosenName() const { return chosen_name_; }
  bool OkEnabled() const { return ok_->isEnabled(); }

  QListWidget* FileListe() const { return file_list_; }
  QListWidget* dirBox() const { return dir_box_; }
  QComboBox* drvBox() const { return drv_box_; }
  QPushButton* okBtn() const { return ok_; }
  QLabel* InfoLbl() const { return info_; }
  QLabel* ProgressLbl() const { return progress_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void LayOut(bool connected);
  void ReadStandardFiles();
  std::vector<std::string> DiskEntries() const;
  std::vector<std::string> ControllerEntries();
  void ShowProgramPath();
  void FillFolderBox();
  void EscRule(int key);
  void FocusChanged(QWidget* now);
  int px(int twips) const;

  AppContext* context_;
  FileDialogHost* host_;
  cZintraComm* client_ = nullptr;
  bool connect_switch_;
  double scale_;

  QLabel* title_;
  QListWidget* file_list_;
  QListWidget* dir_box_;
  QComboBox* drv_box_;
  QLabel* folder_label_;
  QPushButton* ok_;
  QLabel* info_;
  QLabel* progress_;
  QTimer* malvo_timer_;

  std::filesystem::path folder_;
  std::vector<std::string> standard_files_;
  std::vector<std::string> gu_src_files_;
  std::vector<std::string> program_paths_;
  std::string chosen_entry_;
  std::string chosen_name_;
  bool has_focus_ = false;
};

}  // namespace velmora
