// Every kind of failure a user can meet, one row each, through the core, the
// window's status tooltip and ruvela-convert: all three give the same
// Spanish words. Then every text the failure table can make, in any
// combination of its facts, holds no English word.
#include <QLabel>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <sstream>

#include "cli/run_convert.h"
#include "conversion/convert_input.h"
#include "sample_files.h"
#include "scripted_services.h"
#include "support/scripted_progress.h"
#include "support/special_inputs.h"
#include "words/failure_words.h"

using namespace ruvela;
using testing::WithMethod, testing::ZipArchive;

namespace {

const QRegularExpression kEnglish(
    QStringLiteral("\\b(error|parsing|such|denied|file|directory|expected|unexpected|invalid|memory)\\b"),
    QRegularExpression::CaseInsensitiveOption);

}  // namespace

class FailureWordsTest : public QObject {
  Q_OBJECT

 private slots:
  void sameWordsEverywhere_data() {
    // "dir/" a directory, "|" a named pipe, "@" a link to /dev/zero, "-" nothing there
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("words");
    const auto row = [](const char* name, const char* file, const std::string& bytes, const char* words) {
      QTest::newRow(name) << QString::fromUtf8(file) << QByteArray::fromStdString(bytes) << QString::fromUtf8(words);
    };
    row("attribute", "a.gpx", "<gpx><wpt lat=\"1\" lon=2/></gpx>",
        "XML mal formado en el byte 22 (atributo mal formado)");
    row("mismatch", "a.kml", "<kml><a></b></kml>", "(la etiqueta de cierre no corresponde a la de apertura)");
    row("comment", "a.gpx", "<gpx><!-- sin fin </gpx>", "(comentario mal formado)");
    row("cdata", "a.gpx", "<gpx><![CDATA[x</gpx>", "(sección CDATA mal formada)");
    row("declaration", "a.gpx", "<?xml version='1.0'", "(declaración o instrucción de proceso mal formada)");
    row("doctype", "a.kml", "<!DOCTYPE kml", "(declaración de tipo de documento mal formada)");
    row("end tag", "a.gpx", "<gpx></gpx", "(etiqueta de cierre mal formada)");
    row("second root", "a.gpx", "<gpx/><gpx/>", "XML mal formado en el byte 6 (otro elemento después");
    row("no element", "a.kml", "hola", "el archivo no contiene ningún elemento XML");
    row("empty", "a.gpx", "", "el archivo está vacío");
    row("missing", "-a.gpx", "", "no existe");
    row("directory", "dir/a.gpx", "", "no es un archivo normal");
    row("pipe", "|a.kml", "", "no es un archivo normal");
    row("zipped pipe", "|a.kmz", "", "no es un archivo normal");
    row("device", "@a.gpx", "", "no es un archivo normal");
    row("not a zip", "a.kmz", "<kml/>", "el archivo KMZ no es un archivo ZIP");
    row("damaged zip", "a.kmz", ZipArchive({{"doc.kml", "<kml/>"}}).substr(0, 60), "el archivo KMZ está dañado");
    row("encrypted", "a.kmz", ZipArchive({{"doc.kml", "<kml/>", true}}), "el archivo KMZ está cifrado");
    row("imploded", "a.kmz", WithMethod(ZipArchive({{"doc.kml", "<kml/>"}}), 6), "con un método no admitido");
    row("empty kml", "a.kmz", ZipArchive({{"doc.kml", ""}}), "el documento KML del archivo KMZ está vacío");
    row("no kml", "a.kmz", ZipArchive({{"foto.png", "PNG"}}), "el archivo KMZ no contiene ningún documento KML");
  }

  void sameWordsEverywhere() {
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, words);
    QTemporaryDir dir;
    const QString name = file.mid(file.indexOf(QRegularExpression(QStringLiteral("[a-z]\\."))));
    const QString path = dir.filePath(name);
    if (file.startsWith(u"dir/")) QVERIFY(QDir(dir.path()).mkdir(name));
    if (file.startsWith(u'|')) QVERIFY(testing::MakeNamedPipe(path.toStdString()));
    if (file.startsWith(u'@')) QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
    if (file == name) samples::Write(dir, name, bytes);

    ConversionCounts counts;
    testing::ScriptedProgress progress;
    const ConversionResult core =
        ConvertInput(DirectionOf(path.right(4).toStdString()), path.toStdString(), "a",
                     dir.filePath(QStringLiteral("core.out")).toStdString(), {}, {}, progress, counts);
    ScriptedWindow w(dir.path());
    w.window().startUp({});
    w.dialogs->openAnswers << path;  // the open dialog takes names of files that are not there
    w.window().processFile(QString());
    std::ostringstream said;
    QCOMPARE(cli::RunConvert({path.toStdString(), "-o", dir.filePath(QStringLiteral("x.out")).toStdString()}, said,
                             said, {}),
             2);

    for (const QString& text : {QString::fromStdString(FailureText(core.failure)), QString::fromStdString(said.str()),
                                w.window().findChild<QLabel*>(QStringLiteral("lblSTAT"))->toolTip()}) {
      QVERIFY2(text.contains(words), qPrintable(text));
      QVERIFY2(!text.contains(kEnglish), qPrintable(text));
    }
    QCOMPARE(w.Status(), QStringLiteral("Estado actual: Inactivo (Ultimo archivo con error)"));
  }

  // Every kind with every parser status, system error and operation, and
  // with a path and without. The errors the system reports for files each
  // have words of their own; any other is told by its number.
  void everyTextIsSpanish() {
    const int named[] = {ENOENT, EACCES,       EPERM,  EISDIR, ENOTDIR, ENOSPC,  EDQUOT, EROFS,
                         EIO,    ENAMETOOLONG, EMFILE, ENFILE, EXDEV,   ETXTBSY, ENOMEM};
    for (int error : named)
      QVERIFY2(SystemFaultText(error).find("número") == std::string::npos, qPrintable(QString::number(error)));
    QCOMPARE(SystemFaultText(4321), std::string("fallo del sistema número 4321"));
    QSet<QString> statuses;
    for (int kind = 0; kind <= int(FailureKind::OutputNotWritten); ++kind) {
      for (int status = 0; status <= int(pugi::status_no_document_element) + 1; ++status) {
        for (int error = 0; error < 140; ++error) {
          for (int operation = 0; operation <= int(FileOperation::SetPermissions); ++operation) {
            Failure failure{.kind = FailureKind(kind),
                            .parseStatus = pugi::xml_parse_status(status),
                            .offset = 123,
                            .operation = FileOperation(operation)};
            failure.error = error;
            failure.path = error % 2 ? "/datos/ruta.gpx" : "";
            const QString text = QString::fromStdString(FailureText(failure));
            QVERIFY2(!text.contains(kEnglish), qPrintable(text));
            QVERIFY2(!QString::fromStdString(FailureCause(failure)).contains(kEnglish), qPrintable(text));
            QCOMPARE(text.isEmpty(), failure.kind == FailureKind::None);
            if (failure.kind == FailureKind::MalformedXml) statuses << text;
          }
        }
      }
    }
    QCOMPARE(statuses.size(), int(pugi::status_no_document_element) + 2);  // each status its own words
  }
};

QTEST_MAIN(FailureWordsTest)
#include "failure_words_test.moc"
