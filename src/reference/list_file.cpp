#include "reference/list_file.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "model/temp_file.h"
#include "platform/path_map.h"
#include "platform/user_interface.h"

namespace orv {
namespace {

std::string DirectoryOf(const std::string& path) {
  size_t slash = path.rfind('/');
  if (slash == std::string::npos) return "";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string Failure(const std::string& path, int error) {
  return "Cannot write " + path + ": " + std::strerror(error != 0 ? error : EIO);
}

// Writes the whole text to a new file; 0 or the errno value.
int WriteAll(const std::string& path, const std::string& text) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return errno != 0 ? errno : EIO;
  int rc = 0;
  if (!text.empty() && std::fwrite(text.data(), 1, text.size(), f) != text.size())
    rc = errno != 0 ? errno : EIO;
  if (std::fclose(f) != 0 && rc == 0) rc = errno != 0 ? errno : EIO;
  return rc;
}

}  // namespace

std::string WriteListFile(const std::string& nativePath, const std::vector<std::string>& items) {
  std::string text;
  for (const std::string& item : items) {
    text += item;
    text += "\r\n";
  }
  std::string temp;
  errno = 0;
  if (MakeTempName(temp, DirectoryOf(nativePath)) != 0) return Failure(nativePath, errno);
  errno = 0;
  int rc = WriteAll(temp, text);
  if (rc == 0) rc = ReplaceFile(nativePath, temp);
  if (rc != 0) {
    ::unlink(temp.c_str());
    return Failure(nativePath, rc);
  }
  return "";
}

bool SaveListFile(UserInterface& ui, const std::string& caption,
                  const std::vector<std::string>& items) {
  FileDialogRequest request;
  request.title = "Save As";
  request.defaultName = caption;
  // A caption such as "Occurrences of 1/2" must not name a folder.
  for (char& c : request.defaultName) {
    if (c == '/' || c == '\\') c = '_';
  }
  request.extension = "TXT";
  request.filters = {{"Text files", "*.TXT"}};
  request.folder = DataRoot();
  MakeDirectory(request.folder);
  std::string path;
  if (!ui.SaveFileDialog(request, path)) return false;
  std::string error = WriteListFile(path, items);
  if (!error.empty()) {
    ui.Message(error);
    return false;
  }
  return true;
}

}  // namespace orv
