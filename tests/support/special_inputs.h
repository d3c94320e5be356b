// Inputs that are not plain documents, built by the tests themselves: KMZ
// archives (made with libzip, so no binary file is kept in the sources) and
// named pipes.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace ruvela::testing {

struct ZipEntry {
  std::string name;
  std::string content;
  bool encrypted = false;  // AES-256 with a password the program never has
};

// The bytes of a ZIP archive holding `entries` in this order, deflated.
std::string ZipArchive(const std::vector<ZipEntry>& entries);

// A one-entry `archive` whose inflated size is declared as `size` in both of
// the entry's headers, as a ZIP bomb may lie about it; and its compressed
// size as `compressedSize`, unless that is 0.
std::string WithDeclaredSize(std::string archive, std::uint32_t size, std::uint32_t compressedSize = 0);

// A one-entry `archive` that declares compression method `method`.
std::string WithMethod(std::string archive, std::uint16_t method);

// `archive` with one byte of the entry's compressed data changed.
std::string WithDamagedData(std::string archive);

// Creates a named pipe at `path`; false when this system cannot.
bool MakeNamedPipe(const std::filesystem::path& path);

}  // namespace ruvela::testing
