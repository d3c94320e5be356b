#include "kml_generator.h"

#include <string>

#include "document_sink.h"
#include "walk.h"

namespace ruvela::bench {
namespace {

constexpr int kRegions = 40;
constexpr int kZonesPerRegion = 5;
constexpr int kRoutePoints = 250;
constexpr int kVariantPoints = 100;
constexpr const char* kNames[] = {"Mirador del Águila",  "Peña Blanca",   "Fuente de la Señora", "Collado Ñoño",
                                  "Ermita de San Ginés", "Refugio López", "Puente Romano",       "Cueva d'Ases"};

std::string Tabs(int depth) { return std::string(static_cast<std::size_t>(depth), '\t'); }

void WriteHeader(DocumentSink& out) {
  out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
         "<kml xmlns=\"http://www.opengis.net/kml/2.2\" xmlns:gx=\"http://www.google.com/kml/ext/2.2\" "
         "xmlns:kml=\"http://www.opengis.net/kml/2.2\" xmlns:atom=\"http://www.w3.org/2005/Atom\">\n"
         "<Document>\n\t<name>Excursiones.kml</name>\n";
  for (const char* kind : {"n", "h"}) {
    out << "\t<Style id=\"s" << kind << "_ylw-pushpin\">\n\t\t<IconStyle>\n\t\t\t<scale>"
        << (kind[0] == 'h' ? "1.3" : "1.1")
        << "</scale>\n\t\t\t<Icon>\n\t\t\t\t<href>http://maps.google.com/mapfiles/kml/pushpin/ylw-pushpin.png</href>\n"
           "\t\t\t</Icon>\n\t\t\t<hotSpot x=\"20\" y=\"2\" xunits=\"pixels\" yunits=\"pixels\"/>\n"
           "\t\t</IconStyle>\n\t\t<LineStyle>\n\t\t\t<color>ff00aaff</color>\n\t\t\t<width>3</width>\n"
           "\t\t</LineStyle>\n\t</Style>\n";
  }
  out << "\t<StyleMap id=\"msn_ylw-pushpin\">\n\t\t<Pair>\n\t\t\t<key>normal</key>\n"
         "\t\t\t<styleUrl>#sn_ylw-pushpin</styleUrl>\n\t\t</Pair>\n\t\t<Pair>\n\t\t\t<key>highlight</key>\n"
         "\t\t\t<styleUrl>#sh_ylw-pushpin</styleUrl>\n\t\t</Pair>\n\t</StyleMap>\n";
}

void WriteFolderStart(DocumentSink& out, int depth, const std::string& name, bool open) {
  out << Tabs(depth) << "<Folder>\n" << Tabs(depth + 1) << "<name>" << name << "</name>\n";
  if (open) out << Tabs(depth + 1) << "<open>1</open>\n";
}

void WriteFolderEnd(DocumentSink& out, int depth) { out << Tabs(depth) << "</Folder>\n"; }

// Google Earth keeps a view (LookAt) only for the placemarks the user
// looked at; descriptions come as plain text, with entities, or as HTML.
void WritePoint(DocumentSink& out, int depth, Random& random, Walk& walk, long number) {
  for (int step = 0; step < 30; ++step) walk.Step();
  const WalkPoint& point = walk.current();
  const std::string in = Tabs(depth + 1);
  out << Tabs(depth) << "<Placemark>\n" << in << "<name>" << kNames[number % 8] << " " << number << "</name>\n";
  switch (random.Below(3)) {
    case 0:
      out << in << "<description>Altitud " << static_cast<std::int64_t>(point.ele) << " m</description>\n";
      break;
    case 1:
      out << in << "<description>Agua &amp; sombra</description>\n";
      break;
    default:
      out << in << "<description><![CDATA[<b>Visitado</b> el día " << static_cast<std::int64_t>(number % 28 + 1)
          << "]]></description>\n";
  }
  if (random.Below(2) == 0) {
    out << in << "<LookAt>\n" << in << "\t<longitude>";
    out.Fixed(point.lon, 9) << "</longitude>\n" << in << "\t<latitude>";
    out.Fixed(point.lat, 9) << "</latitude>\n" << in << "\t<altitude>0</altitude>\n" << in << "\t<heading>";
    out.Fixed(random.Between(-180.0, 180.0), 6) << "</heading>\n" << in << "\t<tilt>0</tilt>\n" << in << "\t<range>";
    out.Fixed(random.Between(300.0, 5000.0), 6) << "</range>\n"
                                                << in << "\t<gx:altitudeMode>relativeToSeaFloor</gx:altitudeMode>\n"
                                                << in << "</LookAt>\n";
  }
  out << in << "<styleUrl>#msn_ylw-pushpin</styleUrl>\n" << in << "<Point>\n" << in << "\t<coordinates>";
  out.Fixed(point.lon, 9) << ",";
  out.Fixed(point.lat, 9) << ",0</coordinates>\n" << in << "</Point>\n" << Tabs(depth) << "</Placemark>\n";
}

void WritePath(DocumentSink& out, int depth, Walk walk) {
  const std::string in = Tabs(depth + 1);
  out << Tabs(depth) << "<Placemark>\n"
      << in << "<name>Trazado</name>\n"
      << in << "<styleUrl>#msn_ylw-pushpin</styleUrl>\n"
      << in << "<LineString>\n"
      << in << "\t<tessellate>1</tessellate>\n"
      << in << "\t<coordinates>\n"
      << in << "\t\t";
  for (int i = 0; i < 40; ++i) {
    for (int step = 0; step < 20; ++step) walk.Step();
    out.Fixed(walk.current().lon, 9) << ",";
    out.Fixed(walk.current().lat, 9) << ",0 ";
  }
  out << "\n" << in << "\t</coordinates>\n" << in << "</LineString>\n" << Tabs(depth) << "</Placemark>\n";
}

class KmlTree {
 public:
  KmlTree(DocumentSink& out, long total) : out_(out), random_(19650318), total_(total) {}

  void Write() {
    const long loose = total_ / 1000;
    const int routes = static_cast<int>(total_ / 2000);
    const long places = total_ - loose - static_cast<long>(routes) * (kRoutePoints + kVariantPoints);
    WriteHeader(out_);
    Walk walk(random_, 40.3, -3.8, 700.0, 0);
    for (long i = 0; i < loose; ++i) WritePoint(out_, 1, random_, walk, next_++);
    WritePlaces(places);
    WriteRoutes(routes);
    out_ << "</Document>\n</kml>\n";
  }

 private:
  void WritePlaces(long places) {
    constexpr int kZones = kRegions * kZonesPerRegion;
    WriteFolderStart(out_, 1, "Lugares", true);
    for (int region = 0; region < kRegions; ++region) {
      WriteFolderStart(out_, 2, "Región " + std::to_string(region + 1), false);
      Walk walk(random_, 39.6 + region * 0.04, -4.5 + region * 0.04, 600.0 + region * 20, region * 86400L);
      for (int zone = 0; zone < kZonesPerRegion; ++zone) {
        const long z = region * kZonesPerRegion + zone;
        const long count = places * (z + 1) / kZones - places * z / kZones;
        WriteFolderStart(out_, 3, "Zona " + std::to_string(region + 1) + "-" + std::to_string(zone + 1), false);
        for (long i = 0; i < count; ++i) WritePoint(out_, 4, random_, walk, next_++);
        WriteFolderEnd(out_, 3);
      }
      WriteFolderEnd(out_, 2);
    }
    WriteFolderEnd(out_, 1);
  }

  void WriteRoutes(int routes) {
    WriteFolderStart(out_, 1, "Routes", true);
    for (int route = 0; route < routes; ++route) {
      Walk walk(random_, 40.0 + route * 0.01, -3.5, 900.0, route * 3600L);
      WriteFolderStart(out_, 2, "Ruta " + std::to_string(route + 1), false);
      WritePath(out_, 3, walk);
      for (int i = 0; i < kRoutePoints; ++i) WritePoint(out_, 3, random_, walk, next_++);
      WriteFolderStart(out_, 3, "Variante " + std::to_string(route + 1), false);
      for (int i = 0; i < kVariantPoints; ++i) WritePoint(out_, 4, random_, walk, next_++);
      WriteFolderEnd(out_, 3);
      WriteFolderEnd(out_, 2);
    }
    WriteFolderEnd(out_, 1);
  }

  DocumentSink& out_;
  Random random_;
  const long total_;
  long next_ = 1;
};

}  // namespace

bool WriteBenchmarkKml(const std::filesystem::path& path, long pointPlacemarks) {
  DocumentSink out(path);
  KmlTree(out, pointPlacemarks).Write();
  return out.Close();
}

bool WriteAlternatingKml(const std::filesystem::path& path, long pairs) {
  DocumentSink out(path);
  out << "<kml><Document>";
  for (long pair = 0; pair < pairs; ++pair) out << "<Folder/><a/>";
  // One point at the end, so that the conversion has something to write.
  out << "<Placemark><name>P</name><Point><coordinates>1,2</coordinates></Point></Placemark></Document></kml>\n";
  return out.Close();
}

}  // namespace ruvela::bench
