#pragma once
// The one list container of the program. It owns its records: removing a
// record through the list, or destroying the list, deletes it.
//
// Records are handed out as pointers into the list. Where a look-up has
// nothing to return (GetAt, GetHead, GetTail and GetPrev on an empty list,
// GetNext of the last record, FindNearest on an empty list) the result is
// nullptr, and callers check. Out-of-range look-ups otherwise fall back: an
// index outside the list gives the tail, a record not in the list gives the
// tail (GetNext) or the head (GetPrev).
#include <algorithm>
#include <memory>
#include <vector>

#include "core/Position2.h"

namespace marigold {

class CPositionList {
 public:
  using Factory = std::unique_ptr<CPosition2> (*)();

  // Loading creates records through the factory, so that a list of fixes
  // loads fixes.
  explicit CPositionList(Factory factory);
  virtual ~CPositionList() = default;
  CPositionList(const CPositionList&) = delete;
  CPositionList& operator=(const CPositionList&) = delete;
  CPositionList(CPositionList&&) = default;
  CPositionList& operator=(CPositionList&&) = default;

  int GetCount() const { return static_cast<int>(records_.size()); }
  bool IsEmpty() const { return records_.empty(); }
  CPosition2* GetAt(int index) const;
  CPosition2* GetHead() const;
  CPosition2* GetTail() const;
  CPosition2* GetNext(const CPosition2* record) const;
  CPosition2* GetPrev(const CPosition2* record) const;
  // The record's 0-based position; count - 1 for a record of another list,
  // -1 for an empty list.
  int IndexOf(const CPosition2* record) const;
  bool Contains(const CPosition2* record) const;

  // Inserts after the existing record (appends when it is not in the list).
  // A record of another type than the list's is refused: nullptr.
  CPosition2* InsertAfterChecked(const CPosition2* existing, std::unique_ptr<CPosition2> record);
  // Deletes the record; false when it is not in the list.
  bool Remove(const CPosition2* record);
  void RemoveAll();
  // Deletes every record the predicate accepts, in one pass; the number
  // deleted.
  template <class Predicate>
  int RemoveIf(Predicate accept) {
    const auto first = std::stable_partition(records_.begin(), records_.end(),
                                             [&](const std::unique_ptr<CPosition2>& r) { return !accept(*r); });
    const auto removed = static_cast<int>(records_.end() - first);
    records_.erase(first, records_.end());
    return removed;
  }

  // The first of the nearest records by great circle; nullptr when empty.
  CPosition2* FindNearest(const CPosition2& position) const;
  // Rhumb-line distance along the list from one record to another (to the
  // tail when the second does not follow the first).
  double SumDistance(const CPosition2* from, const CPosition2* to) const;
  double HoursBetween(const CPosition2& a, const CPosition2& b) const;
  // From the tail to the position; 0 on an empty list.
  double DistanceFromTail(const CPosition2& position, bool greatCircle) const;
  double CourseFromTail(const CPosition2& position, bool greatCircle) const;

  // A 32-bit count, then every record in its archive form. Loading replaces
  // the records only when the whole list has been read.
  virtual void Serialize(CArchive& ar);

  // Iteration in list order.
  auto begin() const { return records_.begin(); }
  auto end() const { return records_.end(); }

 protected:
  CPosition2* AddRecord(std::unique_ptr<CPosition2> record);
  // Appends when the existing record is not in the list.
  CPosition2* InsertRecordAfter(const CPosition2* existing, std::unique_ptr<CPosition2> record);
  void SerializeRecords(CArchive& ar);
  std::unique_ptr<CPosition2> MakeRecord() const { return factory_(); }

 private:
  std::ptrdiff_t Find(const CPosition2* record) const;

  Factory factory_;
  std::vector<std::unique_ptr<CPosition2>> records_;
};

// A list of one record type, with typed access.
template <class T>
class CRecordList : public CPositionList {
 public:
  CRecordList() : CPositionList([]() -> std::unique_ptr<CPosition2> { return std::make_unique<T>(); }) {}

  T* Add(std::unique_ptr<T> record) { return static_cast<T*>(AddRecord(std::move(record))); }
  T* AddNew() { return Add(std::make_unique<T>()); }
  T* InsertAfter(const CPosition2* existing, std::unique_ptr<T> record) {
    return static_cast<T*>(InsertRecordAfter(existing, std::move(record)));
  }

  T* GetAt(int index) const { return static_cast<T*>(CPositionList::GetAt(index)); }
  T* GetHead() const { return static_cast<T*>(CPositionList::GetHead()); }
  T* GetTail() const { return static_cast<T*>(CPositionList::GetTail()); }
  T* GetNext(const CPosition2* record) const { return static_cast<T*>(CPositionList::GetNext(record)); }
  T* GetPrev(const CPosition2* record) const { return static_cast<T*>(CPositionList::GetPrev(record)); }
  template <class Predicate>
  int RemoveIf(Predicate accept) {
    return CPositionList::RemoveIf([&](const CPosition2& r) { return accept(static_cast<const T&>(r)); });
  }
  T* FindNearest(const CPosition2& position) const { return static_cast<T*>(CPositionList::FindNearest(position)); }
};

}  // namespace marigold
