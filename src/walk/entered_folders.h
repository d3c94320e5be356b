// The KML folders a conversion entered, in the order entered: each one's
// cleaned name, how deep it lies and whether its placemarks became routes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace ruvela {

struct EnteredFolder {
  std::string_view name;  // valid while the list it came from is unchanged
  int depth = 0;          // 0 at the top
  bool isRouteFolder = false;
};

// A document may hold millions of empty folders: each costs its name and
// two bytes here, not a string object of its own.
class EnteredFolders {
 public:
  EnteredFolders() = default;
  EnteredFolders(std::initializer_list<EnteredFolder> folders) {
    for (const EnteredFolder& folder : folders) append(folder.name, folder.depth, folder.isRouteFolder);
  }
  // `depth` is at most 127. A NUL in a name (cleaned names have none) would
  // end it early.
  void append(std::string_view name, int depth, bool isRouteFolder) {
    names_.append(name.substr(0, name.find(kEnd)));
    names_ += kEnd;
    marks_.push_back(static_cast<std::uint8_t>(depth << 1 | (isRouteFolder ? 1 : 0)));
  }
  std::size_t size() const { return marks_.size(); }
  bool empty() const { return marks_.empty(); }

  class Iterator {
   public:
    Iterator(const EnteredFolders& folders, std::size_t index, std::size_t nameStart)
        : folders_(&folders), index_(index), nameStart_(nameStart) {}
    EnteredFolder operator*() const {
      const std::string_view names = folders_->names_;
      const std::uint8_t mark = folders_->marks_[index_];
      return {names.substr(nameStart_, names.find(kEnd, nameStart_) - nameStart_), mark >> 1, (mark & 1) != 0};
    }
    Iterator& operator++() {
      nameStart_ = folders_->names_.find(kEnd, nameStart_) + 1;
      ++index_;
      return *this;
    }
    bool operator==(const Iterator& other) const { return index_ == other.index_; }

   private:
    const EnteredFolders* folders_;
    std::size_t index_;
    std::size_t nameStart_;  // in names_
  };
  Iterator begin() const { return {*this, 0, 0}; }
  Iterator end() const { return {*this, size(), names_.size()}; }

 private:
  static constexpr char kEnd = '\0';
  std::string names_;                // each name followed by kEnd
  std::vector<std::uint8_t> marks_;  // depth << 1, and 1 for the route folder
};

}  // namespace ruvela
