#include "lists/PublicationSheet.h"

namespace marigold {

CPublicationFields ReadPublication(const CPublication& publication) {
  CPublicationFields f;
  f.number = publication.number;
  f.kind = publication.chart ? 0 : 1;
  f.description = publication.description;
  f.publisher = publication.publisher;
  f.publicationDate = publication.publicationDate;
  f.correctionNumber = publication.correctionNumber;
  f.correctionDate = publication.correctionDate;
  return f;
}

void ApplyPublication(const CPublicationFields& f, CPublication& publication) {
  publication.chart = f.kind == 0;
  publication.correctionNumber = f.correctionNumber;
  publication.description = f.description;
  publication.number = f.number;
  publication.publisher = f.publisher;
  publication.correctionDate = f.correctionDate;
  publication.publicationDate = f.publicationDate;
}

}  // namespace marigold
