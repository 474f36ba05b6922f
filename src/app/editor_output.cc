// Output of programs: to the printer, to a text file, or to a text file shown on the desktop.
#include <QDesktopServices>
#include <QUrl>
#include <memory>

#include "app/editor.h"
#include "app/operator_dialogs.h"
#include "app/print_text.h"
#include "app/qt_text.h"
#include "base/app_context.h"
#include "base/paths.h"
#include "base/strings.h"
#include "base/textfile.h"
#include "commands/files/program_files.h"
#include "commands/output/output_text.h"
#include "controller/zintra_comm.h"
#include "files/sel_dat.h"
#include "program/line_record.h"
#include "program/print_table.h"
#include "program/program.h"

namespace velmora {

std::filesystem::path Editor::TEMP_PFAD_gu() const {
  return TemplatesFolder() / "USERPROG";
}

void Editor::ChooseOutputKind(int kind) {
  output_kind_ = kind;
  menus_.Item("mnuandrucker")->setChecked(kind == 0);
  menus_.Item("mnuzuranzeige")->setChecked(kind == 1);
  menus_.Item("mnuindatei")->setChecked(kind == 2);
  menus_.SetEnabled("mnualles", kind != 1);
  static const char* const kKindKeys[] = {"an_Drucker", "zur_Anzeige", "in_Datei"};
  // lang-key: an_Drucker
  // lang-key: zur_Anzeige
  // lang-key: in_Datei
  const AppContext& c = *context_;
  context_->AddMessage(c.AssistantText("Auswahl") + ": " + c.AssistantText(kKindKeys[kind]) + " ",
                       "600", c.AssistantText("OK"));
}

// Step 1 of both outputs: the folders exist.
static void PrepareOutputFolders(const std::string& chosen, const std::filesystem::path& fallback) {
  std::error_code ignored;
  if (chosen.empty())
    std::filesystem::create_directories(fallback, ignored);
  else
    std::filesystem::create_directories(chosen, ignored);
}

void Editor::AddOutputMessage(std::string_view name_key, const std::string& result) {
  context_->AddMessage(context_->AssistantText(name_key), "600", result);
}

// Step 3 of the outputs: one listing to where the output kind says.
void Editor::OutputOne(const std::string& name, const std::string& text) {
  const AppContext& c = *context_;
  const std::filesystem::path file = OutputFile(output_folder_, TEMP_PFAD_gu(), name);
  if (output_kind_ == 0 && menus_.Item("mnuandrucker")->isChecked()) {
    std::filesystem::path pdf;
    std::filesystem::path fallback = file;
    fallback.replace_extension(".pdf");
    if (!PrintText(text, fallback, &pdf)) {
      context_->AddMessage(c.AssistantText("NoPrinterInstalled") + " ", "030",
                           c.AssistantText("not_OK"));
      print_ok_ = false;
      return;
    }
    if (print_ok_)
      AddOutputMessage("Ausgabe_an_Drucker", Utf8ToCp1252((pdf.empty() ? file : pdf).string()) +
                                                 ": " + c.AssistantText("OK"));
    return;
  }
  const bool written = WriteBytesAtomically(file, text);
  bool shown = true;
  if (output_kind_ == 1 && written) {
    shown =
        open_document
            ? open_document(file)
            : QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(file.string())));
  }
  if (!print_ok_) return;
  AddOutputMessage(
      output_kind_ == 1 ? "Ausgabe_in_MS-Write" : "Ausgabe_in_die_Datei",
      Utf8ToCp1252(file.string()) + ": " + c.AssistantText(written && shown ? "OK" : "not_OK"));
}

void Editor::OutputCurrent() {
  const AppContext& c = *context_;
  PrepareOutputFolders(output_folder_, TEMP_PFAD_gu());
  print_ok_ = true;
  if (program_->loaded()) {
    OutputOne(program_->ProgramBaseName,
              OutputText(c.language, program_->ProgramBaseName, program_->ViewText));
  } else {
    context_->AddMessage(
        c.AssistantText("Datei_nicht_ausgewaehlt") + ": " + c.AssistantText("no_datei") + " ",
        "600", c.AssistantText("not_OK"));
  }
  flags_.MenuCommandChosen = true;
}

void Editor::OutputAll() {
  const AppContext& c = *context_;
  PrepareOutputFolders(output_folder_, TEMP_PFAD_gu());
  print_ok_ = true;
  context_->AddMessage(c.AssistantText("einige_Minuten_dauern") + "! ", "600",
                       c.AssistantText("Geduld"));
  std::vector<std::string> names;
  for (const std::string& name : file_dialog_->ReadFileList_gu())
    if (name.size() > 4 && ToUpper(name.substr(name.size() - 4)) == ".SRC") names.push_back(name);
  auto table = std::make_unique<LineTable>();
  for (const std::string& name : names) {
    const std::string base = name.substr(0, name.size() - 4);
    std::string source;
    GetThisFile(FileSource{*context_, file_dialog_->folder()}, name, source);
    std::string view_text;
    if (LoadPrintTable(*program_, *table, source, &view_text))
      OutputOne(base, OutputText(c.language, base, view_text));
    context_->progress.ProcessEvents();
  }
  flags_.MenuCommandChosen = true;
}

void Editor::SetOutputPath() {
  const AppContext& c = *context_;
  const std::string name =
      program_->loaded() ? program_->ProgramBaseName + ".txt" : std::string("Unbekant.txt");
  const char* home = std::getenv("HOME");
  auto chosen = dialogs_->AskSaveFileName(
      c.AssistantText("SetPathforOutputFile"),
      output_folder_.empty() ? (home ? home : "/") : output_folder_, name, "*.txt");
  if (chosen && chosen->find('/') != std::string::npos) {
    // The folder of the chosen file, with its letter case: Linux paths are case-sensitive.
    output_folder_ = chosen->substr(0, chosen->rfind('/') + 1);
    context_->AddMessage(c.AssistantText("Setpath"), "600",
                         Utf8ToCp1252(output_folder_) + ": " + c.AssistantText("OK"));
    return;
  }
  context_->AddMessage(c.AssistantText("Setpath"), "600",
                       output_folder_.empty()
                           ? c.AssistantText("NoSetPath") + ": " + c.AssistantText("not_OK")
                           : Utf8ToCp1252(output_folder_) + ": " + c.AssistantText("oldpath"));
}

}  // namespace velmora
