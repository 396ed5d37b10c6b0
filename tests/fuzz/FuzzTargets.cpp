#include "fuzz/FuzzTargets.h"

#include <span>
#include <string_view>

#include "core/Archive.h"
#include "core/FixRecord.h"
#include "exchange/CsvForms.h"
#include "exchange/CsvLine.h"
#include "exchange/Gpx.h"
#include "exchange/ItemFile.h"
#include "exchange/Rtz.h"
#include "fakes/Fakes.h"
#include "lists/Hurricane.h"
#include "lists/MeteoList.h"
#include "lists/PortInfo.h"
#include "lists/RecordTypes.h"
#include "lists/WarningList.h"
#include "vessel/Vessel2.h"
#include "voyage/MarigoldRouteDoc.h"

namespace marigold {
namespace {

std::span<const std::uint8_t> Bytes(const std::uint8_t* data, std::size_t size) { return {data, size}; }

// Loads, and what loaded is stored again: a record read from any bytes must
// also be writable (or refused with the archive's exception).
template <class T>
void LoadAndStore(const std::uint8_t* data, std::size_t size) {
  T loaded;
  try {
    CArchive in = CArchive::ForLoading(Bytes(data, size));
    loaded.Serialize(in);
  } catch (const CArchiveException&) {
    return;
  }
  try {
    CArchive out = CArchive::ForStoring();
    loaded.Serialize(out);
  } catch (const CArchiveException&) {
  }
}

// Each byte chooses the next primitive read.
void Archive(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return;
  CArchive in = CArchive::ForLoading(Bytes(data + 1, size - 1));
  std::uint8_t op = data[0];
  try {
    while (!in.AtEnd()) {
      switch (op % 6) {
        case 0: (void)in.ReadString(); break;
        case 1: (void)in.ReadCount(1 + op / 6); break;
        case 2: (void)in.ReadDouble(); break;
        case 3: (void)in.ReadTime(); break;
        case 4: {
          std::vector<std::string> texts;
          in.Exchange(texts);
          break;
        }
        default: (void)in.ReadInt32(); break;
      }
      op = static_cast<std::uint8_t>(op * 31 + in.ReadByte());
    }
  } catch (const CArchiveException&) {
  }
}

// One document for every input: it loads no data file and writes none.
CMarigoldRouteDoc& Document() {
  static CMemorySettingsStore store;
  static CScriptedPrompter prompter;
  static const CFixedClock clock(1700000000);
  static CMarigoldRouteDoc doc(store, prompter, clock, CMarigoldRouteDoc::EMode::ReadOnly);
  prompter.messages.clear();
  return doc;
}

template <int Version>
void Route(const std::uint8_t* data, std::size_t size) {
  CMarigoldRouteDoc& doc = Document();
  try {
    doc.LoadRouteDocument(Bytes(data, size), Version);
    doc.Recalculate();
    (void)doc.StoreRouteDocument(Version);
  } catch (const CArchiveException&) {
  }
}

void Item(const std::uint8_t* data, std::size_t size) {
  std::optional<CItem> item = ReadItem(Bytes(data, size));
  if (!item) return;
  try {
    (void)WriteItem(item->kind, *item->record);
  } catch (const CArchiveException&) {
  }
}

// The first byte chooses the list and the separator; every line after it is
// one record's columns.
void Csv(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return;
  const auto list = static_cast<ERecordList>(data[0] % kRecordListCount);
  const std::string separator(1, ",;:\\"[(data[0] >> 3) % 4]);
  const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
  VisitRecordType(list, [&]<class T>() {
    std::size_t start = 0;
    while (start <= text.size()) {
      const std::size_t end = std::min(text.find('\n', start), text.size());
      T record;
      const CCsvFields fields(std::string(text.substr(start, end - start)), separator);
      if constexpr (requires { ReadCsv(record, fields); }) ReadCsv(record, fields);  // the history is only exported
      CCsvRow row(separator);
      WriteCsv(record, row);
      start = end + 1;
    }
  });
}

void Rtz(const std::uint8_t* data, std::size_t size) { (void)ReadRtz(Bytes(data, size)); }
void Rtzp(const std::uint8_t* data, std::size_t size) { (void)RouteFromRtzContainer(Bytes(data, size)); }
void Gpx(const std::uint8_t* data, std::size_t size) {
  (void)ReadGpxRoute(Bytes(data, size));
  (void)ReadGpxTrack(Bytes(data, size));
}

}  // namespace

const std::map<std::string, CFuzzTarget>& FuzzTargets() {
  static const std::map<std::string, CFuzzTarget> kTargets = {
      {"archive", Archive},
      {"route-v3", Route<3>},
      {"route-v4", Route<4>},
      {"vessel", LoadAndStore<CVessel2>},
      {"history", LoadAndStore<CRecordList<CFixRecord>>},
      {"ports", LoadAndStore<CPortList>},
      {"warnings", LoadAndStore<CWarningList>},
      {"meteo", LoadAndStore<CMeteoList>},
      {"hurricanes", LoadAndStore<CHurricaneList>},
      {"item", Item},
      {"csv", Csv},
      {"rtz", Rtz},
      {"rtzp", Rtzp},
      {"gpx", Gpx},
  };
  return kTargets;
}

}  // namespace marigold
