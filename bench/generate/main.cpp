// Writes the benchmark inputs: the same bytes on every run.
//   ruvela_bench_generate gpx OUT.gpx [TRACK_POINTS]   (default 1000000)
//   ruvela_bench_generate kml OUT.kml [PLACEMARKS]     (default 200000)
//   ruvela_bench_generate alternating OUT.kml [PAIRS]  (default 3200000)
#include <cstdlib>
#include <iostream>
#include <string>

#include "gpx_generator.h"
#include "kml_generator.h"

int main(int argc, char** argv) {
  const std::string kind = argc > 1 ? argv[1] : "";
  if (argc < 3 || argc > 4 || (kind != "gpx" && kind != "kml" && kind != "alternating")) {
    std::cerr << "uso: ruvela_bench_generate gpx|kml|alternating SALIDA [PUNTOS]\n";
    return 2;
  }
  const long defaultCount = kind == "gpx" ? 1'000'000 : kind == "kml" ? 200'000 : 3'200'000;
  const long count = argc == 4 ? std::strtol(argv[3], nullptr, 10) : defaultCount;
  if (count <= 0) {
    std::cerr << "ruvela_bench_generate: número de puntos no válido\n";
    return 2;
  }
  const bool written = kind == "gpx"   ? ruvela::bench::WriteBenchmarkGpx(argv[2], count)
                       : kind == "kml" ? ruvela::bench::WriteBenchmarkKml(argv[2], count)
                                       : ruvela::bench::WriteAlternatingKml(argv[2], count);
  if (!written) {
    std::cerr << "ruvela_bench_generate: no se puede escribir " << argv[2] << "\n";
    return 2;
  }
  return 0;
}
