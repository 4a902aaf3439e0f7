#include "app/cli/command_line.h"

#include <exception>
#include <iostream>

namespace orv::cli {

int RunCommandLine(int argc, char** argv, const std::map<std::string, Command>& commands,
                   const char* usage) {
  if (argc < 2 || std::string(argv[1]) == "--help" || std::string(argv[1]) == "-h") {
    std::cout << usage;
    return argc < 2 ? kUsageError : 0;
  }
  auto it = commands.find(argv[1]);
  if (it == commands.end()) {
    std::cerr << "orv: unknown command " << argv[1] << "\n" << usage;
    return kUsageError;
  }
  const Args args(argv + 2, argv + argc);
  try {
    return it->second(args, std::cout, std::cerr);
  } catch (const std::exception& e) {
    std::cerr << "orv: " << e.what() << '\n';
    return 1;
  }
}

}  // namespace orv::cli
