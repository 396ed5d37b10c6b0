#include "voyage/PrintMode.h"

#include "voyage/MarigoldRouteDoc.h"

namespace marigold {

CPrintScope::CPrintScope(CMarigoldRouteDoc& doc, EPrintMode mode)
    : doc_(doc),
      previousList_(doc.selectedList),
      hadMode_(doc.printMode.has_value()),
      previousMode_(doc.printMode.value_or(mode)) {
  Choose(mode);
}

CPrintScope::~CPrintScope() {
  doc_.selectedList = previousList_;
  if (hadMode_)
    doc_.printMode = previousMode_;
  else
    doc_.printMode.reset();
}

void CPrintScope::Choose(EPrintMode mode) { doc_.printMode = mode; }

void CPrintScope::Choose(EListKind list) {
  doc_.printMode.reset();
  doc_.selectedList = list;
}

}  // namespace marigold
