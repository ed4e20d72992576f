// SPDX-License-Identifier: GPL-3.0-or-later
// tempulo-report: the almanac's report on the command line.
#include <unistd.h>

#include <climits>
#include <cstring>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "app/cli/report_cli.h"
#include "time/clock.h"

namespace {

// --pdf is drawn by the window program beside this one, which brings the
// toolkit along; the report itself starts without loading it.
int RunPdf(char** argv) {
  char self[PATH_MAX];
  const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
  std::string program = "tempulo";
  if (length > 0) {
    std::string path(self, static_cast<std::size_t>(length));
    program = path.substr(0, path.rfind('/') + 1) + "tempulo";
  }
  std::string name = "tempulo";
  argv[0] = name.data();
  execv(program.c_str(), argv);
  std::cerr << "tempulo-report: Für --pdf wird das Programm " << program
            << " gebraucht; es lässt sich nicht starten (" << std::strerror(errno) << ").\n";
  return 3;
}

}  // namespace

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--pdf" || arg.starts_with("--pdf=")) {
      return RunPdf(argv);
    }
  }
  std::ios::sync_with_stdio(false);
  const std::vector<std::string> args(argv + 1, argv + argc);
  const tempulo::MezClock clock;
  const int status = tempulo::RunReportCli(args, std::cout, std::cerr, clock);
  std::cout.flush();
  return status;
}
