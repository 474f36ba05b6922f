#pragma once
// What the file selection dialog asks of the main window.
#include <string>

namespace velmora {

class FileDialogHost {
 public:
  virtual ~FileDialogHost() = default;
  // The dialog was loaded or shown again: soft key 6 alone, as its OK key.
  virtual void FileDialogShown() = 0;
  // The dialog has the focus: the program view turns grey, the status keys serve the dialog.
  virtual void FileDialogFocused() = 0;
  // The Esc rule, after the dialog was hidden: the key states for a loaded program or for none.
  virtual void FileDialogEscaped() = 0;
  // `DeleteVorratxt`: the program view is emptied.
  virtual void ClearProgramView() = 0;
  // The mirror utility is choosing its source program with this dialog.
  virtual bool ChoosingMirrorSource() const = 0;
  virtual void MirrorSourceChosen(const std::string& name) = 0;
  // Loads the chosen entry ("NAME.src") into the view while the dialog shows the progress.
  virtual void LoadChosenProgram(const std::string& entry) = 0;
  // After the dialog was hidden: the key states, the program name and the message of a load.
  virtual void ChosenProgramShown() = 0;
  // Shows or ends the hourglass pointer.
  virtual void ShowBusy(bool busy) = 0;
};

}  // namespace velmora
