#include "page/view_state.h"

namespace orv {

void PushHistory(ViewState& v, Citation cite, Citation mark) {
  if (v.historyCount == 0) {
    v.historyPos = v.historyCount = 1;
    v.history[1] = {cite, mark};
    return;
  }
  if (v.history[static_cast<size_t>(v.historyPos)].cite == cite) return;
  if (v.historyPos >= kHistorySize) {
    for (int i = 1; i < kHistorySize; ++i)
      v.history[static_cast<size_t>(i)] = v.history[static_cast<size_t>(i + 1)];
    v.historyPos = kHistorySize;
  } else {
    ++v.historyPos;
    if (v.historyPos > v.historyCount) v.historyCount = v.historyPos;
  }
  v.history[static_cast<size_t>(v.historyPos)] = {cite, mark};
}

void GoToCiteRun(ViewState& v, Citation cite, int count) {
  v.clickedCite = cite;
  v.currentCite = cite;
  v.currentCite.word = 1;
  v.highlightCite = cite.word != 0 ? cite : kNullCite;
  PushHistory(v, v.currentCite, v.highlightCite);
  v.highlightRun = count > 0 ? count - 1 : 0;
  v.relayoutNeeded = true;
}

void GoToCite(ViewState& v, Citation cite) { GoToCiteRun(v, cite, 1); }

}  // namespace orv
