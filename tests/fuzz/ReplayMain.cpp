// Runs every stored input of a fuzz target once, so that an input that once
// crashed a reader stays fixed: fuzz-replay TARGET FOLDER.
#include <cstdio>
#include <filesystem>

#include "core/FileIo.h"
#include "fuzz/FuzzTargets.h"

int main(int argc, char** argv) {
  using namespace marigold;
  if (argc != 3 || !FuzzTargets().contains(argv[1])) {
    std::fprintf(stderr, "usage: fuzz-replay TARGET FOLDER\n");
    return 2;
  }
  const CFuzzTarget target = FuzzTargets().at(argv[1]);
  int count = 0;
  for (const auto& entry : std::filesystem::directory_iterator(argv[2])) {
    std::string error;
    const std::optional<CBytes> bytes = ReadFileBytes(entry.path().string(), &error);
    if (!bytes) {
      std::fprintf(stderr, "%s\n", error.c_str());
      return 1;
    }
    target(bytes->data(), bytes->size());
    ++count;
  }
  std::printf("%s: %d inputs replayed\n", argv[1], count);
  return count > 0 ? 0 : 1;
}
