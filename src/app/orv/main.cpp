// orv: the command line over the core, for scripts and end-to-end tests.
#include <iostream>
#include <map>
#include <string>

#include "app/orv/cmd_cite.h"
#include "app/orv/cmd_count.h"
#include "app/orv/cmd_embedded.h"
#include "app/orv/cmd_find.h"
#include "app/orv/cmd_kjv.h"
#include "app/orv/cmd_occurrences.h"
#include "app/orv/cmd_page.h"
#include "app/orv/cmd_reports.h"
#include "app/orv/cmd_strongs.h"
#include "app/orv/cmd_thematic.h"
#include "app/orv/cmd_value.h"
#include "app/orv/cmd_words.h"
#include "app/orv/commands.h"

namespace {

constexpr const char kUsage[] =
    "usage: orv COMMAND [ARGS]\n"
    "  build [--word] [--cite] [--book] [--strongs]   build the datastores (default: all)\n"
    "  verify                                          check the datastores\n"
    "  archive write|write-strongs|read|read-strongs FILE [--all]\n"
    "  archive default-strongs                         read the supplied Strong's numbers\n"
    "  import [--hebrew DIR] [--only hebrew,kjv,dictionary,docs]\n"
    "                                 write the supplied data into the program folder\n"
    "  value TEXT                      Original and Traditional value of a text\n"
    "  value --range START END         the same of the words from START to END\n"
    "  thematic VALUE [--window W] [--min A] [--max B] [--from CITE]\n"
    "           [--order original|traditional] [--limit K]\n"
    "                                  runs of words worth VALUE: first citation, tab, words\n"
    "  embedded TERM [--skip S] [--from CITE] [--limit K]\n"
    "                                  TERM spelled by every S-th letter: citation, tab, words\n"
    "  cite TEXT [--from CITE]         read a citation: result code and citation text\n"
    "  find TEXT [--all]               first occurrence of a word or Strong's number (--all:\n"
    "                                  every one); a pattern with % or * lists its words\n"
    "  occurrences WORD|NUMBER [--at CITE]   every place of a word or Strong's number\n"
    "  count WORD|NUMBER [--chapter|--book|--bible|--all-counts|--match N] [--at CITE]\n"
    "                                  count in CITE's chapter, its book or the Bible, or list\n"
    "                                  the counts; count --match N lists the words with N\n"
    "  concordance FILE                every word with its places, into FILE\n"
    "  first-occurrences FILE          each verse's first occurrences, into FILE\n"
    "  kjv CITE [--numbers]            the King James text of CITE's chapter from CITE on\n"
    "  strongs NUMBER[-N]              a Strong's dictionary entry\n"
    "  words CITE [COUNT]              the page's words from CITE: citation, Hebrew, Strong's,\n"
    "                                  value and the eight interlinear lines, tab-separated\n"
    "  page CITE --png FILE [--size WIDTHxHEIGHT] [--pages N]\n"
    "                                  the page at CITE painted into a PNG (default 1920x1080);\n"
    "                                  N pages as Page Down moves, into FILE-1.png ...\n"
    "Settings come from ORV.INI in the data root ($ORV_ROOT); supplied data from\n"
    "the program folder ($ORV_PROGRAM_DIR).\n";

}  // namespace

int main(int argc, char** argv) {
  using orv::cli::Args;
  using Command = int (*)(const Args&, std::ostream&, std::ostream&);
  const std::map<std::string, Command> commands = {
      {"build", orv::cli::CmdBuild},     {"verify", orv::cli::CmdVerify},
      {"archive", orv::cli::CmdArchive}, {"import", orv::cli::CmdImport},
      {"value", orv::cli::CmdValue},     {"cite", orv::cli::CmdCite},
      {"kjv", orv::cli::CmdKjv},         {"strongs", orv::cli::CmdStrongs},
      {"words", orv::cli::CmdWords},     {"page", orv::cli::CmdPage},
      {"find", orv::cli::CmdFind},
      {"occurrences", orv::cli::CmdOccurrences},
      {"count", orv::cli::CmdCount},
      {"concordance", orv::cli::CmdConcordance},
      {"first-occurrences", orv::cli::CmdFirstOccurrences},
      {"thematic", orv::cli::CmdThematic},
      {"embedded", orv::cli::CmdEmbedded},
  };
  if (argc < 2 || std::string(argv[1]) == "--help" || std::string(argv[1]) == "-h") {
    std::cout << kUsage;
    return argc < 2 ? 2 : 0;
  }
  auto it = commands.find(argv[1]);
  if (it == commands.end()) {
    std::cerr << "orv: unknown command " << argv[1] << "\n" << kUsage;
    return 2;
  }
  Args args(argv + 2, argv + argc);
  try {
    return it->second(args, std::cout, std::cerr);
  } catch (const std::exception& e) {
    std::cerr << "orv: " << e.what() << '\n';
    return 1;
  }
}
