// The output file of a conversion, written block by block through one large
// buffer so that a million small blocks cost few system calls.
#pragma once

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace ruvela {

// Creates `path` empty, or empties it. False when it cannot.
bool CreateEmptyFile(const std::filesystem::path& path);

class BlockWriter {
 public:
  BlockWriter() = default;
  BlockWriter(const BlockWriter&) = delete;
  BlockWriter& operator=(const BlockWriter&) = delete;
  ~BlockWriter();

  // Creates `path`, or empties it when it exists. False when it cannot.
  bool open(const std::filesystem::path& path);
  void write(std::string_view block);
  // Flushes and closes; false when any write failed (disk full, ...).
  bool close();
  // Closes without writing what is still held: the file keeps what was
  // written before, and stays empty when the blocks all fitted the buffer.
  void abandon();
  // Opens the file last opened again, emptied, for a document that starts over.
  bool reopen() { return open(path_); }
  bool isOpen() const { return file_.is_open(); }
  bool failed() const { return failed_; }
  // The system's errno when the file could not be opened or written; 0 when
  // it is not known.
  int error() const { return error_; }

 private:
  void flush();

  // A quarter of a megabyte, and every write but the last exactly that
  // long, so each lands on a boundary of its size: the page cache then
  // takes it in large pieces (kernel time of a KML to GPX conversion, 153
  // MB out: 31% of its time with writes of any length, 28% with aligned
  // ones). 1 MB gained a point more for 0.8 MB of memory; writes of 2 MB and
  // more were slower, not faster.
  static constexpr std::size_t kBufferSize = 1 << 18;
  std::filesystem::path path_;
  std::ofstream file_;
  std::string buffer_;
  bool failed_ = false;
  int error_ = 0;
};

}  // namespace ruvela
