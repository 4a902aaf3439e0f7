#include "search/filters.h"

#include "model/records.h"

namespace orv {
namespace {

constexpr uint8_t kMarkBit = 1;  // flags bit 0 of CITE and XLAT records

const CiteRec& AsCite(const void* rec) { return *static_cast<const CiteRec*>(rec); }
const XlatRec& AsXlat(const void* rec) { return *static_cast<const XlatRec*>(rec); }

}  // namespace

DSFilter StrongsNumberFilter(int number) {
  return [number](const void* rec) { return AsCite(rec).strongs == number ? 1 : 0; };
}

DSFilter MarkedWordFilter() {
  return [](const void* rec) { return (AsXlat(rec).flags & kMarkBit) ? 1 : 0; };
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
  return [](const void* rec) { return (AsCite(rec).flags & kMarkBit) ? 1 : 0; };
}

}  // namespace orv
