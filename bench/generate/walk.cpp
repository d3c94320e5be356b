#include "walk.h"

#include <algorithm>
#include <cmath>

namespace ruvela::bench {

std::uint64_t Random::Next() {
  std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

double Random::Between(double low, double high) {
  return low + (high - low) * static_cast<double>(Next() >> 11) * 0x1.0p-53;
}

int Random::Below(int bound) { return static_cast<int>(Next() % static_cast<std::uint64_t>(bound)); }

Walk::Walk(Random& random, double lat, double lon, double ele, std::int64_t seconds)
    : random_(random), point_{lat, lon, ele, seconds}, heading_(random.Between(0.0, 6.283)) {}

// A few metres per step, turning gently, climbing and descending slowly.
const WalkPoint& Walk::Step() {
  heading_ += random_.Between(-0.3, 0.3);
  const double metres = random_.Between(2.0, 12.0);
  point_.lat += std::cos(heading_) * metres / 111'000.0;
  point_.lon += std::sin(heading_) * metres / 85'000.0;
  point_.ele = std::clamp(point_.ele + random_.Between(-1.5, 1.6), -20.0, 3400.0);
  point_.seconds += 1 + random_.Below(5);
  return point_;
}

}  // namespace ruvela::bench
