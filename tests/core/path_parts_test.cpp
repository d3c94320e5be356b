#include "core/path_parts.h"

#include <gtest/gtest.h>

namespace ruvela {
namespace {

TEST(SplitInputPath, CutsDirectoryBaseNameAndExtension) {
  const struct {
    const char* path;
    const char* directory;
    const char* baseName;
    const char* extension;
  } rows[] = {
      {"/home/ana/Ruta.gpx", "/home/ana/", "Ruta", ".gpx"},
      {"/home/ana/RUTA.GPX", "/home/ana/", "RUTA", ".GPX"},
      {"/home/ana/a.b.kml", "/home/ana/", "a.b", ".kml"},
      {"/home/ana/nombre.", "/home/ana/", "nombre", "."},
      {"/home/ana/.kml", "/home/ana/", "", ".kml"},
      {"/home/ana.d/sin_extension", "", kUnlocatedFileName, ""},
      {"Ruta.gpx", "", kUnlocatedFileName, ""},
      {"", "", kUnlocatedFileName, ""},
  };
  for (const auto& row : rows) {
    const InputParts parts = SplitInputPath(row.path, '/');
    EXPECT_EQ(parts.directory, row.directory) << row.path;
    EXPECT_EQ(parts.baseName, row.baseName) << row.path;
    EXPECT_EQ(parts.extension, row.extension) << row.path;
  }
}

TEST(SplitInputPath, UsesTheGivenSeparator) {
  const InputParts parts = SplitInputPath(R"(C:\Datos\Ruta.gpx)", '\\');
  EXPECT_EQ(parts.directory, R"(C:\Datos\)");
  EXPECT_EQ(parts.joined(), R"(C:\Datos\Ruta.gpx)");
}

TEST(DirectoryOf, KeepsTheTrailingSeparator) {
  EXPECT_EQ(DirectoryOf("/a/b/c.kml", '/'), "/a/b/");
  EXPECT_EQ(DirectoryOf("c.kml", '/'), "");
}

TEST(PathFromUtf8, RoundTripsNonAsciiNames) {
  const std::string name = "/tmp/Año/Łódź.gpx";
  EXPECT_EQ(Utf8FromPath(PathFromUtf8(name)), name);
}

}  // namespace
}  // namespace ruvela
