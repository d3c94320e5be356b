// Who made the documents we write: named in the credit lines of both formats.
#pragma once

namespace ruvela {

inline constexpr const char* kMakerName = "Orvanek";
inline constexpr const char* kMakerContact = "orvanek@example.org";

}  // namespace ruvela
