// zevo_hmi_sim: a small robot controller for Velmora to talk to.
//   zevo_hmi_sim --cell DIR [--listen 127.0.0.1:PORT]
//   zevo_hmi_sim ctl ADDR VERB ARGS...          (see sim/ctl_command.h)
#include <iostream>

#include <CLI/CLI.hpp>

#include "controller/protocol.h"
#include "sim/ctl_command.h"
#include "sim/sim_controller.h"
#include "sim/sim_server.h"

int main(int argc, char** argv) {
  CLI::App app{"zevo_hmi_sim: the simulated robot controller (HMI) for Velmora"};
  std::string cell;
  std::string listen(velmora::wire::kDefaultAddress);
  app.add_option("--cell", cell, "the cell folder (holds NOXA/R1/...)");
  app.add_option("--listen", listen, "loopback address to listen on; port 0 picks a free one")
      ->capture_default_str();

  auto* ctl = app.add_subcommand("ctl", "send a control request to a running simulator");
  std::string ctl_address;
  std::vector<std::string> ctl_words;
  ctl->add_option("ADDR", ctl_address, "the simulator's address (host:port)")->required();
  ctl->add_option("WORDS", ctl_words,
                  "set NAME VALUE | show NAME | key CODE | message TEXT | fault delay MS | "
                  "fault fail N | fault drop | fault clear | run | state");
  ctl->prefix_command();  // the words may start with "-" (negative values)

  CLI11_PARSE(app, argc, argv);

  if (*ctl) {
    std::vector<std::string> words = ctl_words;
    for (const auto& extra : ctl->remaining()) words.push_back(extra);
    return velmora::sim::RunCtlCommand(ctl_address, words, std::cout, std::cerr);
  }
  if (cell.empty()) {
    std::cerr << "zevo_hmi_sim: --cell DIR is required\n" << app.help();
    return 2;
  }
  velmora::sim::SimController controller(cell);
  std::string reason;
  if (!controller.Start(&reason)) {
    std::cerr << "zevo_hmi_sim: " << reason << "\n";
    return 1;
  }
  velmora::sim::SimServer server(controller);
  if (!server.Listen(listen, &reason)) {
    std::cerr << "zevo_hmi_sim: " << reason << "\n";
    return 1;
  }
  std::cout << "listening " << server.address() << std::endl;
  server.Run(true);
  return 0;
}
