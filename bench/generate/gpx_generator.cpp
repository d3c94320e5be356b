#include "gpx_generator.h"

#include "document_sink.h"
#include "walk.h"

namespace ruvela::bench {
namespace {

constexpr int kWaypoints = 500;
constexpr int kRoutes = 20;
constexpr int kRoutePoints = 50;
constexpr int kTracks = 24;
constexpr const char* kSymbols[] = {"Flag, Blue", "Campground", "Summit", "Drinking Water", "Parking Area"};
constexpr const char* kPlaces[] = {"Fuente", "Collado", "Refugio", "Mirador", "Cruce", "Puente"};

void WriteHeader(DocumentSink& out) {
  out << "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\" ?>\n"
         "<gpx xmlns=\"http://www.topografix.com/GPX/1/1\" creator=\"MapSource 6.16.3\" version=\"1.1\" "
         "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
         "xsi:schemaLocation=\"http://www.garmin.com/xmlschemas/GpxExtensions/v3 "
         "http://www.garmin.com/xmlschemas/GpxExtensionsv3.xsd http://www.topografix.com/GPX/1/1 "
         "http://www.topografix.com/GPX/1/1/gpx.xsd\">\n\n"
         "  <metadata>\n"
         "    <link href=\"http://www.garmin.com\">\n"
         "      <text>Garmin International</text>\n"
         "    </link>\n"
         "    <time>2021-06-01T00:00:00Z</time>\n"
         "    <bounds maxlat=\"41.200000\" maxlon=\"-2.900000\" minlat=\"39.600000\" minlon=\"-4.500000\"/>\n"
         "  </metadata>\n\n";
}

void WritePosition(DocumentSink& out, const char* element, const WalkPoint& point) {
  out << "<" << element << " lat=\"";
  out.Fixed(point.lat, 7) << "\" lon=\"";
  out.Fixed(point.lon, 7) << "\">\n";
}

void WriteWaypoints(DocumentSink& out, Random& random) {
  Walk walk(random, 40.4, -3.7, 650.0, 0);
  for (int i = 0; i < kWaypoints; ++i) {
    for (int step = 0; step < 40; ++step) walk.Step();
    const WalkPoint& point = walk.current();
    out << "  ";
    WritePosition(out, "wpt", point);
    out << "    <ele>";
    out.Fixed(point.ele, 6) << "</ele>\n    <time>";
    out.Timestamp(point.seconds) << "</time>\n";
    out << "    <name>" << kPlaces[i % 6] << " " << static_cast<std::int64_t>(i + 1) << "</name>\n";
    out << "    <cmt>Punto de paso &amp; descanso</cmt>\n    <desc>" << kPlaces[(i + 2) % 6] << " cercano</desc>\n";
    out << "    <sym>" << kSymbols[i % 5] << "</sym>\n"
        << "    <extensions>\n"
           "      <gpxx:WaypointExtension xmlns:gpxx=\"http://www.garmin.com/xmlschemas/GpxExtensions/v3\">\n"
           "        <gpxx:DisplayMode>SymbolAndName</gpxx:DisplayMode>\n"
           "      </gpxx:WaypointExtension>\n"
           "    </extensions>\n"
           "  </wpt>\n\n";
  }
}

void WriteRoutes(DocumentSink& out, Random& random) {
  for (int r = 0; r < kRoutes; ++r) {
    Walk walk(random, 40.0 + r * 0.05, -4.0 + r * 0.03, 900.0, r * 7200);
    out << "  <rte>\n    <name>Ruta " << static_cast<std::int64_t>(r + 1) << "</name>\n";
    for (int p = 0; p < kRoutePoints; ++p) {
      for (int step = 0; step < 25; ++step) walk.Step();
      out << "    ";
      WritePosition(out, "rtept", walk.current());
      out << "      <name>R" << static_cast<std::int64_t>(r * 100 + p) << "</name>\n"
          << "      <sym>Waypoint</sym>\n    </rtept>\n";
    }
    out << "  </rte>\n\n";
  }
}

void WriteTracks(DocumentSink& out, Random& random, long trackPoints) {
  Walk walk(random, 40.2, -3.9, 800.0, 3600);
  for (int t = 0; t < kTracks; ++t) {
    const long pointsInTrack = trackPoints / kTracks + (t < trackPoints % kTracks ? 1 : 0);
    const int segments = 1 + t % 4;
    out << "  <trk>\n    <name>Track " << static_cast<std::int64_t>(t + 1) << "</name>\n"
        << "    <extensions>\n      <gpxx:TrackExtension xmlns:gpxx=\"http://www.garmin.com/xmlschemas/"
           "GpxExtensions/v3\">\n        <gpxx:DisplayColor>Magenta</gpxx:DisplayColor>\n"
           "      </gpxx:TrackExtension>\n    </extensions>\n";
    long written = 0;
    for (int s = 0; s < segments; ++s) {
      const long inSegment = (pointsInTrack * (s + 1)) / segments - written;
      out << "    <trkseg>\n";
      for (long p = 0; p < inSegment; ++p) {
        const WalkPoint& point = walk.Step();
        out << "      ";
        WritePosition(out, "trkpt", point);
        out << "        <ele>";
        out.Fixed(point.ele, 2) << "</ele>\n        <time>";
        out.Timestamp(point.seconds) << "</time>\n      </trkpt>\n";
      }
      written += inSegment;
      out << "    </trkseg>\n";
    }
    out << "  </trk>\n\n";
  }
}

}  // namespace

bool WriteBenchmarkGpx(const std::filesystem::path& path, long trackPoints) {
  DocumentSink out(path);
  Random random(20210601);
  WriteHeader(out);
  WriteWaypoints(out, random);
  WriteRoutes(out, random);
  WriteTracks(out, random, trackPoints);
  out << "</gpx>\n";
  return out.Close();
}

}  // namespace ruvela::bench
