// A reproducible walk over the ground: positions, elevations and times that
// look like a recorded outing, from a fixed seed.
#pragma once

#include <cstdint>

namespace ruvela::bench {

// SplitMix64: tiny, fast, and the same sequence on every platform.
class Random {
 public:
  explicit Random(std::uint64_t seed) : state_(seed) {}
  std::uint64_t Next();
  // A number in [low, high).
  double Between(double low, double high);
  int Below(int bound);

 private:
  std::uint64_t state_;
};

struct WalkPoint {
  double lat;
  double lon;
  double ele;
  std::int64_t seconds;  // since the start of the data set
};

class Walk {
 public:
  Walk(Random& random, double lat, double lon, double ele, std::int64_t seconds);
  const WalkPoint& Step();
  const WalkPoint& current() const { return point_; }

 private:
  Random& random_;
  WalkPoint point_;
  double heading_ = 0.0;
};

}  // namespace ruvela::bench
