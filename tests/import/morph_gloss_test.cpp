#include "import/morph_gloss.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

TEST(MorphGloss, ReadsEveryPartOrGivesTheCodeBack) {
  struct Case {
    const char* code;
    const char* gloss;
  };
  const Case cases[] = {
      // Prefixes, stem and suffix, each part in its own table.
      {"HC/Vqw3ms", "conj+qal.wayy.3ms"},
      {"HR/Ncfsa", "prep+noun.fs.abs"},
      {"HR/Ncmsc/Sp3ms", "prep+noun.ms.cstr+sfx.3ms"},
      {"HTd/Ncmpa", "art+noun.mp.abs"},
      {"HRd/Ncmsa", "prep.art+noun.ms.abs"},
      {"HTo", "obj"},
      {"HNp", "name"},
      {"HVqrmsa", "qal.ptc.ms.abs"},
      {"HVNsfpc", "niphal.ptc.pass.fp.cstr"},
      {"HVqc/Sp1cs", "qal.inf.cstr+sfx.1cs"},
      {"HVhi3mp/Sp3fs", "hiphil.impf.3mp+sfx.3fs"},
      {"HPp3ms", "pron.pers.3ms"},
      {"HAcmsa", "card.ms.abs"},
      {"HNcmdc/Sd", "noun.md.cstr+dir.he"},
      {"HVqv2mp", "qal.impv.2mp"},
      // Aramaic reads the verb stems from its own table.
      {"AVhp3ms", "haphel.perf.3ms"},
      {"AVqp3ms", "peal.perf.3ms"},
      // "x" means "not given": it adds nothing.
      {"HVqi3xs", "qal.impf.3s"},
      // Codes the table does not read are shown as they are.
      {"HXyz", "HXyz"},
      {"HVqw3mz", "HVqw3mz"},
      {"HC/", "HC/"},
      {"HCx", "HCx"},
      {"HVqca", "HVqca"},
      {"Ncmsa", "Ncmsa"},
      {"HNcmsaq", "HNcmsaq"},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(MorphGloss(c.code), c.gloss) << c.code;
}

}  // namespace
}  // namespace orv
