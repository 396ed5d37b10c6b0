// The .rtzp container: a zip holding the route and its attachments, read
// through libzip. The attachments (charts, pictures, documents) are left
// alone.
#include <zip.h>

#include <algorithm>
#include <cctype>
#include <memory>

#include "exchange/Rtz.h"

namespace marigold {
namespace {

// A route file larger than this is no route: a damaged or hostile
// container must not make the program allocate without end.
constexpr zip_uint64_t kMaxRouteBytes = 64u << 20;

struct CZipCloser {
  void operator()(zip_t* archive) const { zip_discard(archive); }
};

bool IsRouteFile(std::string_view name) {
  if (name.size() < 4) return false;
  std::string suffix(name.substr(name.size() - 4));
  std::transform(suffix.begin(), suffix.end(), suffix.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return suffix == ".rtz";
}

bool IsZip(std::span<const std::uint8_t> bytes) {
  return bytes.size() >= 4 && bytes[0] == 'P' && bytes[1] == 'K' && (bytes[2] == 3 || bytes[2] == 5) &&
         (bytes[3] == 4 || bytes[3] == 6);
}

CExchangeRefusal ZipRefusal(std::string problem) { return {0, "not a readable .rtzp container: " + problem}; }

}  // namespace

CReadResult<CContainedFile> RouteFromRtzContainer(std::span<const std::uint8_t> bytes) {
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* source = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
  zip_t* opened = source ? zip_open_from_source(source, ZIP_RDONLY, &error) : nullptr;
  if (!opened) {
    if (source) zip_source_free(source);
    CExchangeRefusal refusal = ZipRefusal(zip_error_strerror(&error));
    zip_error_fini(&error);
    return refusal;
  }
  zip_error_fini(&error);
  const std::unique_ptr<zip_t, CZipCloser> archive(opened);

  std::optional<zip_uint64_t> chosen;
  const zip_int64_t count = zip_get_num_entries(archive.get(), 0);
  for (zip_int64_t i = 0; i < count; ++i) {
    const auto index = static_cast<zip_uint64_t>(i);
    const char* name = zip_get_name(archive.get(), index, 0);
    if (!name || !IsRouteFile(name)) continue;
    const bool topLevel = std::string_view(name).find('/') == std::string_view::npos;
    if (!chosen || topLevel) chosen = index;
    if (topLevel) break;
  }
  if (!chosen) return CExchangeRefusal{0, "the .rtzp container holds no route (.rtz) file"};

  zip_stat_t stat;
  zip_stat_init(&stat);
  if (zip_stat_index(archive.get(), *chosen, 0, &stat) != 0 || !(stat.valid & ZIP_STAT_SIZE))
    return ZipRefusal(zip_strerror(archive.get()));
  CContainedFile file{zip_get_name(archive.get(), *chosen, 0), {}};
  if (stat.size > kMaxRouteBytes) return CExchangeRefusal{0, "the route file is too large", file.name};
  zip_file_t* entry = zip_fopen_index(archive.get(), *chosen, 0);
  if (!entry) return ZipRefusal(zip_strerror(archive.get()));
  file.bytes.resize(stat.size);
  const zip_int64_t read = zip_fread(entry, file.bytes.data(), stat.size);
  const bool whole = read >= 0 && static_cast<zip_uint64_t>(read) == stat.size;
  zip_fclose(entry);
  if (!whole) return CExchangeRefusal{0, "the route file is damaged", file.name};
  return file;
}

CReadResult<CImportedRoute> ReadRtzFile(const std::string& path) {
  const CReadResult<CBytes> bytes = ReadExchangeFile(path);
  if (!bytes) return bytes.Refusal();
  if (!IsZip(*bytes)) return ReadRtz(*bytes);
  CReadResult<CContainedFile> file = RouteFromRtzContainer(*bytes);
  if (!file) return file.Refusal();
  const auto* data = reinterpret_cast<const std::uint8_t*>(file->bytes.data());
  CReadResult<CImportedRoute> route = ReadRtz({data, file->bytes.size()});
  if (route) return route;
  CExchangeRefusal refusal = route.Refusal();
  refusal.part = file->name;
  return refusal;
}

}  // namespace marigold
