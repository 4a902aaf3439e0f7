#include "search/filters.h"

#include "model/records.h"

namespace orv {
namespace {

const CiteRec& AsCite(const void* rec) { return *static_cast<const CiteRec*>(rec); }
const XlatRec& AsXlat(const void* rec) { return *static_cast<const XlatRec*>(rec); }

}  // namespace

DSFilter StrongsNumberFilter(int number) {
  return [number](const void* rec) { return AsCite(rec).strongs == number ? 1 : 0; };
}

DSFilter MarkedWordFilter() {
  return [](const void* rec) { return (AsXlat(rec).flags & kMarkFlag) ? 1 : 0; };
}

DSFilter DefinitionTextFilter(std::string text) {
  return [text = std::move(text)](const void* rec) {
    for (const Gloss40& gloss : AsXlat(rec).gloss) {
      if (gloss.View().find(text) != std::string_view::npos) return 1;
    }
    return 0;
  };
}

DSFilter MarkedUseFilter() {
  return [](const void* rec) { return (AsCite(rec).flags & kMarkFlag) ? 1 : 0; };
}

}  // namespace orv
