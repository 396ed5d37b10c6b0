#include "lists/PublicationEntry.h"

namespace marigold {

CPublicationEntry CPublicationEntry::Of(const CPublication& publication) {
  CPublicationEntry e;
  e.number = publication.number;
  e.kind = publication.chart ? 0 : 1;
  e.description = publication.description;
  e.publisher = publication.publisher;
  e.publicationDate = publication.publicationDate;
  e.correctionNumber = publication.correctionNumber;
  e.correctionDate = publication.correctionDate;
  return e;
}

void CPublicationEntry::ApplyTo(CPublication& publication) const {
  publication.chart = kind == 0;
  publication.correctionNumber = correctionNumber;
  publication.description = description;
  publication.number = number;
  publication.publisher = publisher;
  publication.correctionDate = correctionDate;
  publication.publicationDate = publicationDate;
}

}  // namespace marigold
