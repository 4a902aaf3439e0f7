// A UserInterface for tests: every prompt takes the next answer from its
// queue and every call is recorded. A prompt with no answer queued fails the
// running test (naming the prompt) and answers No / Cancel, so a forgotten
// confirmation never blocks and never passes silently. Answers still queued
// when the object goes also fail the test, unless AllowUnusedAnswers().
//
//   ScriptedUI ui;
//   ui.yesNo.push_back(true);
//   ui.input.push_back("Gen 1:1");      // std::nullopt = Cancel
//   RunCommand(ui);
//   EXPECT_THAT(ui.messages, ElementsAre("Done"));
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/user_interface.h"

namespace orv::test {

class ScriptedUI : public UserInterface {
 public:
  // Queued answers, used front first.
  std::deque<bool> yesNo;
  std::deque<int> yesNoCancel;                      // 1, 0 or -1
  std::deque<std::optional<std::string>> input;     // nullopt = Cancel
  std::deque<std::optional<std::string>> saveFile;  // native path or Cancel
  std::deque<std::optional<std::string>> openFile;
  std::deque<std::optional<std::string>> folder;
  // A queued font is returned whole: name, size, style and colour.
  std::deque<std::optional<FontChoice>> font;
  // The line chosen in each list dialog; with none queued a list is closed
  // without a choice (a list is often shown only to be read).
  std::deque<int> listChoice;

  // What was shown: message texts in order, and every call as
  // "<Kind>: <text>" (e.g. "YesNo: Delete the file?").
  std::vector<std::string> messages;
  std::vector<std::string> calls;
  // The request of the last file dialog, for checks on names and filters.
  FileDialogRequest lastFileRequest;
  // Every list dialog shown, in order.
  std::vector<ListRequest> lists;
  // The font every font dialog started from, in order.
  std::vector<FontChoice> fontsAsked;
  int waitDepth = 0;     // current nesting of SetWaitCursor
  int maxWaitDepth = 0;  // deepest nesting seen

  ScriptedUI() = default;
  ScriptedUI(const ScriptedUI&) = delete;
  ScriptedUI& operator=(const ScriptedUI&) = delete;
  ~ScriptedUI() override {
    if (allowUnused_) return;
    size_t left = yesNo.size() + yesNoCancel.size() + input.size() + saveFile.size() +
                  openFile.size() + folder.size() + font.size() + listChoice.size();
    if (left) {
      ADD_FAILURE() << "ScriptedUI: " << left << " queued answer(s) never asked for";
    }
    if (waitDepth != 0) {
      ADD_FAILURE() << "ScriptedUI: wait cursor left on (depth " << waitDepth << ")";
    }
  }

  void AllowUnusedAnswers() { allowUnused_ = true; }

  void Message(const std::string& text) override {
    calls.push_back("Message: " + text);
    messages.push_back(text);
  }

  bool YesNo(const std::string& text) override {
    calls.push_back("YesNo: " + text);
    if (yesNo.empty()) {
      Unexpected("YesNo", text);
      return false;
    }
    bool a = yesNo.front();
    yesNo.pop_front();
    return a;
  }

  int YesNoCancel(const std::string& text) override {
    calls.push_back("YesNoCancel: " + text);
    if (yesNoCancel.empty()) {
      Unexpected("YesNoCancel", text);
      return -1;
    }
    int a = yesNoCancel.front();
    yesNoCancel.pop_front();
    return a;
  }

  bool InputBox(const std::string& caption, const std::string& prompt,
                std::string& value) override {
    calls.push_back("InputBox: " + caption + " / " + prompt);
    return Take(input, "InputBox", caption + " / " + prompt, value);
  }

  bool SaveFileDialog(const FileDialogRequest& request, std::string& path) override {
    calls.push_back("SaveFile: " + request.title);
    lastFileRequest = request;
    return Take(saveFile, "SaveFileDialog", request.title, path);
  }

  bool OpenFileDialog(const FileDialogRequest& request, std::string& path) override {
    calls.push_back("OpenFile: " + request.title);
    lastFileRequest = request;
    return Take(openFile, "OpenFileDialog", request.title, path);
  }

  bool SelectFolder(const std::string& caption, std::string& chosen) override {
    calls.push_back("SelectFolder: " + caption);
    return Take(folder, "SelectFolder", caption, chosen);
  }

  bool FontDialog(FontChoice& choice) override {
    calls.push_back("FontDialog: " + choice.name);
    fontsAsked.push_back(choice);
    return Take(font, "FontDialog", choice.name, choice);
  }

  int ShowList(const ListRequest& request) override {
    calls.push_back("List: " + request.caption);
    lists.push_back(request);
    if (listChoice.empty()) return -1;
    const int chosen = listChoice.front();
    listChoice.pop_front();
    return request.pick ? chosen : -1;
  }

  void SetWaitCursor(bool waiting) override {
    waitDepth += waiting ? 1 : -1;
    if (waitDepth < 0) ADD_FAILURE() << "ScriptedUI: wait cursor restored more often than set";
    if (waitDepth > maxWaitDepth) maxWaitDepth = waitDepth;
  }

 private:
  static void Unexpected(const char* kind, const std::string& text) {
    ADD_FAILURE() << "ScriptedUI: unexpected " << kind << " prompt \"" << text
                  << "\" (no answer queued)";
  }

  template <typename T>
  static bool Take(std::deque<std::optional<T>>& queue, const char* kind, const std::string& text,
                   T& out) {
    if (queue.empty()) {
      Unexpected(kind, text);
      return false;
    }
    std::optional<T> a = std::move(queue.front());
    queue.pop_front();
    if (!a) return false;
    out = std::move(*a);
    return true;
  }

  bool allowUnused_ = false;
};

}  // namespace orv::test
