#include "lists/Publication.h"

#include <memory>

namespace marigold {
namespace {

void ExchangeOwn(CArchive& ar, CPublication& p) {
  ar.Exchange(p.chart);
  ar.Exchange(p.edition);
  ar.Exchange(p.folio);
  ar.Exchange(p.description);
  ar.Exchange(p.correctionNumber);
  ar.Exchange(p.number);
  ar.Exchange(p.publisher);
  ar.ExchangeTime(p.correctionDate);
  ar.ExchangeTime(p.publicationDate);
  ar.Exchange(p.value4);
  ar.Exchange(p.value3);
}

}  // namespace

void CPublication::Serialize(CArchive& ar) {
  if (ar.IsStoring()) {
    CPosition2::Serialize(ar);
    ExchangeOwn(ar, *this);
    return;
  }
  // The values the archive leaves out keep what they held.
  CPublication loaded = *this;
  loaded.CPosition2::Serialize(ar);
  ExchangeOwn(ar, loaded);
  *this = loaded;
}

CPublication* NewPublication(CPublicationList& publications, const CPosition2* selected, const CClock& clock) {
  return publications.InsertAfter(selected, std::make_unique<CPublication>(clock.Now()));
}

std::vector<CPublication*> PublicationsOfKind(const CPublicationList& publications, bool charts) {
  std::vector<CPublication*> kind;
  for (const auto& record : publications) {
    auto* p = static_cast<CPublication*>(record.get());
    if (p->chart == charts) kind.push_back(p);
  }
  return kind;
}

}  // namespace marigold
