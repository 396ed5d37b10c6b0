#include <gtest/gtest.h>

#include "core/Archive.h"

using namespace marigold;

TEST(Archive, Smoke) {
  CArchive out = CArchive::ForStoring();
  out.WriteString("Göteborg");
  const CBytes bytes = out.TakeBytes();
  EXPECT_EQ(bytes.size(), 9u);
  CArchive in = CArchive::ForLoading(bytes);
  EXPECT_EQ(in.ReadString(), "Göteborg");
}
