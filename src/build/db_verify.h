// The "Verify DB" command: checks that the built datastores open, hold
// records and keep their records in strictly ascending key order in
// agreement with their headers' record counts. Never changes data.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace orv {

class DatastoreSet;
class TXRDataStore;
class UserInterface;

// Checks one store (opening it if needed) and returns its message, with TAG
// the store's tag: "Could not open TAG datastore"; "No entries in TAG
// datastore" (fewer than 10 records); "TAG datastore is good"; or "Error(s)
// in TAG datastore @ N", N the record number where the order check stopped.
// The order check is the store's own (word then citation for WORD). The
// store is left open for later commands (Release, not Close).
std::string VerifyStore(TXRDataStore& store);

// Checks BOOK; makes sure WORD exists (EnsureDatastores with `showBuild`),
// stopping there when it still does not; then WORD, FOCC, FOC2 and CITE,
// each only if it exists, else "No FOcc datastore available", "No FOc2
// datastore available", "No Cite datastore available". Each message is
// shown through `ui` before the next store is looked at; all are returned
// in order.
std::vector<std::string> VerifyDatastores(DatastoreSet& set, UserInterface& ui,
                                          const std::function<void()>& showBuild);

}  // namespace orv
