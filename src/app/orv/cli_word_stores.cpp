#include "app/orv/cli_word_stores.h"

#include <ostream>

#include "cite/cite_counts.h"
#include "cite/cite_parse.h"
#include "model/datastore_set.h"

namespace orv::cli {

bool WordStoresPresent(DatastoreSet& set, const std::string& command, std::ostream& err) {
  for (TXRDataStore* store : {&set.WordDS, &set.CiteDS}) {
    if (store->Exists()) continue;
    err << "orv " << command << ": no " << store->Tag() << " datastore (orv build makes it)\n";
    return false;
  }
  return true;
}

bool ReadAtCite(DatastoreSet& set, const std::string& text, Citation& cite) {
  set.BookDS.Exists();
  DatastoreCounts counts(set);
  Citation read = kFirstCite;
  if (ParseCitation(text, read, counts) != kCiteOk) return false;
  cite = read;
  return true;
}

}  // namespace orv::cli
