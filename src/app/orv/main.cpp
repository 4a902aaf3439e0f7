// orv: the command line over the core, for scripts and end-to-end tests.
// `orv page` and `orv import` run in the programs beside it (sibling.h).
#include <iostream>
#include <map>
#include <string>

#include "app/cli/command_line.h"
#include "app/orv/cmd_cite.h"
#include "app/orv/cmd_count.h"
#include "app/orv/cmd_define.h"
#include "app/orv/cmd_embedded.h"
#include "app/orv/cmd_find.h"
#include "app/orv/cmd_help.h"
#include "app/orv/cmd_kjv.h"
#include "app/orv/cmd_occurrences.h"
#include "app/orv/cmd_prefs.h"
#include "app/orv/cmd_reports.h"
#include "app/orv/cmd_sources.h"
#include "app/orv/cmd_strongs.h"
#include "app/orv/cmd_thematic.h"
#include "app/orv/cmd_value.h"
#include "app/orv/cmd_words.h"
#include "app/orv/commands.h"
#include "app/orv/sibling.h"

namespace {

constexpr const char kUsage[] =
    "usage: orv COMMAND [ARGS]\n"
    "  help [COMMAND]                                  this text, or one command's lines\n"
    "  --version                                       the program's version\n"
    "  build [--word] [--cite] [--book] [--strongs]   build the datastores (default: all)\n"
    "  verify                                          check the datastores\n"
    "  archive write|write-strongs|read|read-strongs FILE [--all]\n"
    "  archive default-strongs                         read the supplied Strong's numbers\n"
    "  import [--hebrew DIR] [--only hebrew,kjv,dictionary,docs,interlinear]\n"
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
    "  define WORD [--at CITE] [--def N TEXT]... [--mark-word on|off] [--use N]\n"
    "         [--strongs N] [--mark-use on|off]   a word's definitions and marks\n"
    "  kjv CITE [--numbers]            the King James text of CITE's chapter from CITE on\n"
    "  strongs NUMBER[-N]              a Strong's dictionary entry\n"
    "  words CITE [COUNT]              the page's words from CITE: citation, Hebrew, Strong's,\n"
    "                                  value and the eight interlinear lines, tab-separated\n"
    "  page CITE --png FILE [--size WIDTHxHEIGHT] [--pages N]\n"
    "                                  the page at CITE painted into a PNG (default 1920x1080);\n"
    "                                  N pages as Page Down moves, into FILE-1.png ...\n"
    "  sources list | create-ilt NAME LANGUAGE DIR | add-ilt DIR | add-db DIR\n"
    "  sources delete ilt|db N         the interlinear texts and translation databases\n"
    "  prefs show | set KEY VALUE      the display settings (line1..8, strongs, thematic, ...)\n"
    "Settings come from ORV.INI in the data root ($ORV_ROOT); supplied data from\n"
    "the program folder ($ORV_PROGRAM_DIR).\n";

}  // namespace

int main(int argc, char** argv) {
  using namespace orv::cli;
  if (argc >= 2) {
    const std::string sibling = SiblingFor(argv[1]);
    if (!sibling.empty()) return RunSibling(sibling, argv, std::cerr);
    const std::string first = argv[1];
    if (first == "--version") return std::cout << VersionLine(), 0;
    if (first == "help") return CmdHelp(Args(argv + 2, argv + argc), kUsage, std::cout, std::cerr);
  }
  const std::map<std::string, Command> commands = {
      {"build", CmdBuild},
      {"verify", CmdVerify},
      {"archive", CmdArchive},
      {"value", CmdValue},
      {"cite", CmdCite},
      {"kjv", CmdKjv},
      {"strongs", CmdStrongs},
      {"words", CmdWords},
      {"find", CmdFind},
      {"occurrences", CmdOccurrences},
      {"count", CmdCount},
      {"concordance", CmdConcordance},
      {"first-occurrences", CmdFirstOccurrences},
      {"thematic", CmdThematic},
      {"embedded", CmdEmbedded},
      {"sources", CmdSources},
      {"prefs", CmdPrefs},
      {"define", CmdDefine},
  };
  return RunCommandLine(argc, argv, commands, kUsage);
}
