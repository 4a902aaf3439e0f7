// The page of a command-line session: the line sources assigned from the
// settings, the word buffer, and the view state, finished when it goes.
#pragma once

#include "app/cli/cli_session.h"
#include "model/letter_values.h"
#include "page/line_assign.h"
#include "page/page_stores.h"
#include "page/page_words.h"
#include "page/view_state.h"

namespace orv::cli {

struct CliPage {
  explicit CliPage(CliSession& session) : env{session.settings, *session.set, session.ui} {
    BuildLetterValueTables();
    AssignSources(page, env, session.programDir, view.reloadWords);
  }
  ~CliPage() { FinishPage(page, env); }
  CliPage(const CliPage&) = delete;
  CliPage& operator=(const CliPage&) = delete;

  Page page;
  PageEnv env;
  ViewState view;
};

}  // namespace orv::cli
