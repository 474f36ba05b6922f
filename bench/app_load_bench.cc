// Opening the largest program (2999 records) in the window, offscreen: the time until the
// first screenful is shown and painted, and the time until the whole program is loaded and its
// first record highlighted.
#include <benchmark/benchmark.h>

// Built without the desktop application (VELMORA_GUI=OFF) this program has nothing to measure.
#if __has_include(<QApplication>)

#include <QApplication>
#include <QListWidget>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include "app/editor.h"
#include "app/operator_dialogs.h"
#include "base/app_context.h"
#include "base/language.h"
#include "base/paths.h"
#include "files/sel_dat.h"
#include "program/program.h"

namespace velmora {
namespace {

using Clock = std::chrono::steady_clock;

class NoQuestions : public MessageBoxDialogs {
 public:
  bool AskYesNo(std::string_view, std::string_view) override { return false; }
};

// One window for the whole run, offscreen, in a folder of its own.
struct Window {
  Window() {
    char folder[] = "/tmp/velmora-bench-XXXXXX";
    home = mkdtemp(folder);
    setenv("VELMORA_HOME", (home / "home").c_str(), 1);
    setenv("XDG_TEMPLATES_DIR", (home / "templates").c_str(), 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "app_load_bench";
    static char* argv[] = {name, nullptr};
    app = std::make_unique<QApplication>(argc, argv);
    context = std::make_unique<AppContext>(Language::FromEnvironment());
    program = std::make_unique<Program>(*context);
    editor = std::make_unique<Editor>(*context, *program, StartSwitches{}, dialogs, 2.25);
    editor->show();
    editor->EditorLoad(nullptr);
    editor->SetNoProgramKeys();
    editor->file_dialog()->SetFolder(ShareFolder() / "demo" / "cell" / "NOXA" / "R1" / "PROGRAM");

    // The first screen is up once the events after its last early record have been processed
    // (they paint it).
    auto show_early = program->show_early;
    program->show_early = [this, show_early](std::string_view text) {
      show_early(text);
      early_pending = true;
    };
    auto process = context->progress.process_events;
    context->progress.process_events = [this, process] {
      process();
      if (early_pending) first_screen = Clock::now();
      early_pending = false;
    };
  }

  // Opens largedemo.src as the operator does: the open command, then OK in the dialog.
  void Load(Clock::time_point* start) {
    editor->OpenProgram();
    QListWidget* list = editor->file_dialog()->FileListe();
    list->setCurrentItem(list->findItems(QStringLiteral("largedemo.src"), Qt::MatchFixedString)[0]);
    // The operator sees the dialog before pressing OK.
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
    *start = Clock::now();
    editor->file_dialog()->OkBtn_Click();
    QCoreApplication::processEvents();
  }

  std::filesystem::path home;
  std::unique_ptr<QApplication> app;
  NoQuestions dialogs;
  std::unique_ptr<AppContext> context;
  std::unique_ptr<Program> program;
  std::unique_ptr<Editor> editor;
  bool early_pending = false;
  Clock::time_point first_screen;
};

// The window lives until the process ends (Qt's own globals go first at exit); its folder is
// removed then.
std::filesystem::path bench_home;
Window& TheWindow() {
  static Window* window = [] {
    auto* w = new Window;
    bench_home = w->home;
    std::atexit([] {
      std::error_code ignored;
      std::filesystem::remove_all(bench_home, ignored);
    });
    return w;
  }();
  return *window;
}

double Seconds(Clock::duration d) {
  return std::chrono::duration<double>(d).count();
}

void BM_LoadToFirstScreen(benchmark::State& state) {
  Window& w = TheWindow();
  for (auto _ : state) {
    Clock::time_point start;
    w.Load(&start);
    state.SetIterationTime(Seconds(w.first_screen - start));
  }
  state.counters["records"] = w.program->LineCount();
}
BENCHMARK(BM_LoadToFirstScreen)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_FullLoad(benchmark::State& state) {
  Window& w = TheWindow();
  for (auto _ : state) {
    Clock::time_point start;
    w.Load(&start);
    state.SetIterationTime(Seconds(Clock::now() - start));
  }
  state.counters["records"] = w.program->LineCount();
}
BENCHMARK(BM_FullLoad)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace
}  // namespace velmora

#endif  // __has_include(<QApplication>)
