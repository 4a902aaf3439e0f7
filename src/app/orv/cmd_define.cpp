// orv define.
#include "app/orv/cmd_define.h"

#include <optional>
#include <ostream>
#include <string>

#include "app/cli/cli_session.h"
#include "app/orv/cli_word_stores.h"
#include "cite/citation_text.h"
#include "cite/cite_parse.h"
#include "datastore/data_store.h"
#include "edit/word_editor.h"
#include "page/view_state.h"
#include "search/store_scan.h"

namespace orv::cli {
namespace {

constexpr const char kUsage[] =
    "usage: orv define WORD [--at CITE] [--def N TEXT]... [--mark-word on|off] [--use N]\n"
    "                  [--strongs N] [--mark-use on|off]\n";

struct DefineRequest {
  std::string word;
  std::string at;
  std::optional<std::string> defs[kDefinitionCount];
  std::optional<bool> markWord, markUse;
  std::optional<std::string> use, strongs;
  bool changes = false;
};

bool ReadSwitch(const std::string& text, std::optional<bool>& out) {
  if (text != "on" && text != "off") return false;
  out = text == "on";
  return true;
}

// False on a usage error.
bool ReadRequest(const Args& args, DefineRequest& r) {
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const bool option = a.rfind("--", 0) == 0;
    const size_t values = a == "--def" ? 2 : option ? 1 : 0;
    if (i + values >= args.size() && values > 0) return false;
    if (a == "--at") {
      r.at = args[++i];
    } else if (a == "--def") {
      const std::string& n = args[++i];
      if (n.size() != 1 || n[0] < '0' || n[0] >= '0' + kDefinitionCount) return false;
      r.defs[n[0] - '0'] = args[++i];
    } else if (a == "--mark-word") {
      if (!ReadSwitch(args[++i], r.markWord)) return false;
    } else if (a == "--mark-use") {
      if (!ReadSwitch(args[++i], r.markUse)) return false;
    } else if (a == "--use") {
      r.use = args[++i];
    } else if (a == "--strongs") {
      r.strongs = args[++i];
    } else if (!option && r.word.empty()) {
      r.word = TypedWord(a);
      if (r.word.empty()) return false;
    } else {
      return false;
    }
    if (option && a != "--at") r.changes = true;
  }
  const bool occurrenceOptions = r.use || r.strongs || r.markUse;
  return !r.word.empty() && (!occurrenceOptions || !r.at.empty());
}

// Whether the CITE record loaded names this very word (through its FOC2
// record), so that --at cannot change another word's occurrence.
bool OccursAt(DatastoreSet& set, const WordEditor& editor) {
  if (editor.CiteRecNo() == 0) return false;
  TDSControl* h = set.FOc2DS.Handle();
  Foc2Rec rec;
  return DSIsOpen(h) && DSReadAt(h, editor.CiteRecord().foc2, &rec) == kDSOk &&
         rec.word.View() == editor.Word();
}

void Apply(const DefineRequest& r, WordEditFields& f) {
  for (int i = 0; i < kDefinitionCount; ++i) {
    if (r.defs[i]) f.defs[static_cast<size_t>(i)] = *r.defs[i];
  }
  if (r.markWord) f.markWord = *r.markWord;
  if (r.markUse) f.markUse = *r.markUse;
  if (r.use) f.use = *r.use;
  if (r.strongs) f.strongs = *r.strongs;
}

const char* OnOff(bool on) { return on ? "on" : "off"; }

// What the editor shows after its load (or save): the stored values.
void Print(const WordEditor& editor, std::ostream& out) {
  const WordEditFields& f = editor.fields;
  for (int i = 0; i < kDefinitionCount; ++i)
    out << i << ' ' << f.defs[static_cast<size_t>(i)] << '\n';
  out << "Mark Word " << OnOff(f.markWord) << '\n';
  if (!editor.OccurrenceKnown()) return;
  out << CitationText(editor.Cite()) << " Strong's " << f.strongs << " Use " << f.use
      << " Mark Use " << OnOff(f.markUse) << '\n';
}

}  // namespace

int CmdDefine(const Args& args, std::ostream& out, std::ostream& err) {
  DefineRequest request;
  if (!ReadRequest(args, request)) {
    err << kUsage;
    return kUsageError;
  }
  CliSession session(out, err, false);
  DatastoreSet& set = *session.set;
  Citation cite = kNullCite;
  if (!request.at.empty() && !ReadAtCite(set, request.at, cite)) {
    err << "orv define: --at " << request.at << ": " << kInvalidCiteMessage << '\n';
    return kUsageError;
  }
  if (request.word.size() > static_cast<size_t>(kWordCap)) {
    err << "orv define: " << kPrefixedWordTooLong << '\n';
    return 1;
  }
  WordEditor editor;
  const bool loaded = editor.Load(set, request.word, cite);
  int code = 0;
  if (!loaded) {
    err << "orv define: " << request.word << ": " << kNoWordToEdit << '\n';
    code = 1;
  } else if (!cite.IsNull() && !OccursAt(set, editor)) {
    err << "orv define: " << request.word << " does not occur at " << CitationText(cite) << '\n';
    code = 1;
  } else if (request.changes) {
    Apply(request, editor.fields);
    ViewState view;
    const WordSaveResult saved = editor.Save(set, view);
    if (saved.status == WordSaveStatus::kRejected || saved.status == WordSaveStatus::kFailed) {
      err << "orv define: " << saved.message << '\n';
      code = 1;
    }
  }
  if (code == 0) Print(editor, out);
  editor.End(set);
  return code;
}

}  // namespace orv::cli
