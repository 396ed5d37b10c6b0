#include "lists/PublicationSheet.h"

#include "core/SheetFields.h"
#include "core/TimeFields.h"

namespace marigold {
CPublicationFields ReadPublication(const CPublication& publication) {
  return {publication.number,
          publication.chart ? 0 : 1,
          publication.description,
          publication.publisher,
          LocalFieldsOf(publication.publicationDate),
          publication.correctionNumber,
          LocalFieldsOf(publication.correctionDate)};
}

void ApplyPublication(const CPublicationFields& fields, CPublication& publication) {
  const CPublicationFields shown = ReadPublication(publication);
  publication.chart = fields.kind == 0;
  SetIfEdited(fields.correctionNumber, shown.correctionNumber, publication.correctionNumber);
  SetIfEdited(fields.description, shown.description, publication.description);
  SetIfEdited(fields.number, shown.number, publication.number);
  SetIfEdited(fields.publisher, shown.publisher, publication.publisher);
  SetLocalTimeIfEdited(fields.correctionDate, shown.correctionDate, publication.correctionDate);
  SetLocalTimeIfEdited(fields.publicationDate, shown.publicationDate, publication.publicationDate);
}

}  // namespace marigold
