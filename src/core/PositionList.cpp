#include "core/PositionList.h"

#include <typeinfo>

#include <algorithm>

#include "core/Navigation.h"

namespace marigold {

CPositionList::CPositionList(Factory factory) : factory_(factory) {}

std::ptrdiff_t CPositionList::Find(const CPosition2* record) const {
  for (std::size_t i = 0; i < records_.size(); ++i)
    if (records_[i].get() == record) return static_cast<std::ptrdiff_t>(i);
  return -1;
}

CPosition2* CPositionList::GetAt(int index) const {
  if (records_.empty()) return nullptr;
  if (index < 0 || index >= GetCount()) return records_.back().get();
  return records_[static_cast<std::size_t>(index)].get();
}

CPosition2* CPositionList::GetHead() const { return records_.empty() ? nullptr : records_.front().get(); }

CPosition2* CPositionList::GetTail() const { return records_.empty() ? nullptr : records_.back().get(); }

CPosition2* CPositionList::GetNext(const CPosition2* record) const {
  const std::ptrdiff_t i = Find(record);
  if (i < 0) return GetTail();
  if (i + 1 >= static_cast<std::ptrdiff_t>(records_.size())) return nullptr;
  return records_[static_cast<std::size_t>(i + 1)].get();
}

CPosition2* CPositionList::GetPrev(const CPosition2* record) const {
  const std::ptrdiff_t i = Find(record);
  if (i <= 0) return GetHead();
  return records_[static_cast<std::size_t>(i - 1)].get();
}

int CPositionList::IndexOf(const CPosition2* record) const {
  const std::ptrdiff_t i = Find(record);
  return i >= 0 ? static_cast<int>(i) : GetCount() - 1;
}

bool CPositionList::Contains(const CPosition2* record) const { return Find(record) >= 0; }

CPosition2* CPositionList::AddRecord(std::unique_ptr<CPosition2> record) {
  records_.push_back(std::move(record));
  return records_.back().get();
}

CPosition2* CPositionList::InsertAfterChecked(const CPosition2* existing, std::unique_ptr<CPosition2> record) {
  if (!record) return nullptr;
  const std::unique_ptr<CPosition2> sample = MakeRecord();
  if (typeid(*record) != typeid(*sample)) return nullptr;
  return InsertRecordAfter(existing, std::move(record));
}

CPosition2* CPositionList::InsertRecordAfter(const CPosition2* existing, std::unique_ptr<CPosition2> record) {
  const std::ptrdiff_t i = Find(existing);
  if (i < 0) return AddRecord(std::move(record));
  return records_.insert(records_.begin() + i + 1, std::move(record))->get();
}

bool CPositionList::Remove(const CPosition2* record) {
  const std::ptrdiff_t i = Find(record);
  if (i < 0) return false;
  records_.erase(records_.begin() + i);
  return true;
}

void CPositionList::RemoveAll() { records_.clear(); }

CPosition2* CPositionList::FindNearest(const CPosition2& position) const {
  const CNavigation nav;
  double best = 1.0e16;
  int bestIndex = 0;
  for (std::size_t i = 0; i < records_.size(); ++i) {
    const double d = nav.Distance(position, *records_[i], true);
    if (d < best) {
      best = d;
      bestIndex = static_cast<int>(i);
    }
  }
  return GetAt(bestIndex);
}

double CPositionList::SumDistance(const CPosition2* from, const CPosition2* to) const {
  const CNavigation nav;
  double sum = 0;
  std::ptrdiff_t i = Find(from);
  if (i < 0) return 0;
  for (auto k = static_cast<std::size_t>(i); k + 1 < records_.size() && records_[k].get() != to; ++k)
    sum += nav.Distance(*records_[k], *records_[k + 1], false);
  return sum;
}

double CPositionList::HoursBetween(const CPosition2& a, const CPosition2& b) const {
  return (b.GetTime() - a.GetTime()) * 24;
}

double CPositionList::DistanceFromTail(const CPosition2& position, bool greatCircle) const {
  return records_.empty() ? 0 : CNavigation().Distance(*records_.back(), position, greatCircle);
}

double CPositionList::CourseFromTail(const CPosition2& position, bool greatCircle) const {
  return records_.empty() ? 0 : CNavigation().Course(*records_.back(), position, greatCircle);
}

void CPositionList::Serialize(CArchive& ar) { SerializeRecords(ar); }

void CPositionList::SerializeRecords(CArchive& ar) {
  if (ar.IsStoring()) {
    ar.WriteInt32(GetCount());
    for (const auto& record : records_) record->Serialize(ar);
    return;
  }
  const std::int32_t n = ar.ReadCount();
  std::vector<std::unique_ptr<CPosition2>> loaded;
  loaded.reserve(static_cast<std::size_t>(n));
  for (std::int32_t k = 0; k < n; ++k) {
    loaded.push_back(factory_());
    loaded.back()->Serialize(ar);
  }
  records_ = std::move(loaded);
}

}  // namespace marigold
