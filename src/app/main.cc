// velmora: the desktop application.
#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <string>

#include "app/app_state.h"
#include "app/editor.h"
#include "app/operator_dialogs.h"
#include "app/single_instance.h"
#include "app/twips.h"
#include "base/app_context.h"
#include "base/language.h"
#include "base/paths.h"
#include "base/process_list.h"
#include "controller/zintra_comm.h"
#include "program/program.h"

int main(int argc, char** argv) {
  using namespace velmora;
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Velmora"));

  SingleInstance instance(QStringLiteral("velmora"));
  if (!instance.IsFirst()) return 0;

  if (!IsProcessRunning("ZEVO_HMI")) {
    QMessageBox::information(nullptr, QStringLiteral("Velmora"),
                             QStringLiteral("ZEVOHUX not activ! Please start ZEVOHUX."));
    return 0;
  }

  std::string command_line;
  for (int i = 1; i < argc; ++i) command_line += std::string(argv[i]) + " ";
  const StartSwitches switches = ReadCommandLine(command_line);

  AppContext context(Language::FromEnvironment());
  Program program(context);
  cZintraComm client;

  MessageBoxDialogs dialogs;
  QSize screen(1920, 1080);
  if (QScreen* s = QGuiApplication::primaryScreen()) screen = s->availableGeometry().size();
  Editor editor(context, program, switches, dialogs, ScaleForScreen(screen));
  dialogs.set_parent(&editor);
  instance.on_activate = [&editor] {
    editor.show();
    editor.raise();
    editor.activateWindow();
  };
  editor.on_end = [] { QApplication::quit(); };
  editor.show();
  editor.EditorLoad(&client);
  editor.SetNoProgramKeys();
  editor.activateWindow();
  editor.commands().Run("ReadToolBaseLimits");
  return app.exec();
}
