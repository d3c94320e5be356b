#include "windows/help_text.h"

#include <QStringList>

namespace ruvela {

QString HelpText(int major, int minor) {
  const QStringList paragraphs{
      QStringLiteral("(English... look at the end of this text)\r\nV%1.%2").arg(major).arg(minor),
      QStringLiteral("Este programa convierte archivos GPX en archivos KML para usarlos con Google Earth, "
                     "y archivos KML en archivos GPX para usarlos con MapSource de Garmin."),
      QStringLiteral("Los archivos GPX (\"GPS eXchange Format\") se obtienen con \"Guardar como\" en "
                     "MapSource desde su versión 6.5; los archivos KML (\"Keyhole Markup Language\"), con "
                     "\"Guardar como\" en Google Earth."),
      QStringLiteral("Esta versión convierte: de GPX, los waypoints en marcas de posición y las rutas y "
                     "los tracks en polilíneas, cada tipo en una carpeta propia; de KML, las marcas de "
                     "posición en waypoints, y arma rutas con las marcas de posición de una carpeta "
                     "elegida."),
      QStringLiteral("Las opciones GPX->KML (menú Opciones) afectan esencialmente a la altura de las "
                     "polilíneas (valor absoluto, altura registrada, constante o amplificada)."),
      QStringLiteral("Las opciones KML->GPX (menú Opciones) eligen la carpeta cuyas marcas de posición se "
                     "convierten en rutas, si los waypoints de las rutas reciben nombres automáticos y si "
                     "esos waypoints se duplican: así queda una copia que pertenece a la ruta y otra que "
                     "se puede manejar, e incluso borrar, sin afectar a la ruta."),
      QStringLiteral("Cuando una conversión KML->GPX encuentra carpetas, la ventana principal dice cuántas "
                     "se procesaron, y su organización se puede ver con doble click sobre esa línea o con "
                     "el menú Ver | Carpetas. Esto ayuda a encontrar el nombre correcto de la carpeta que "
                     "se usará como fuente de los puntos de las rutas."),
      QStringLiteral("Recuerde: a pesar de tantos avisos, los resultados los tiene que guardar usted; a "
                     "diferencia de versiones anteriores, no se guardan automáticamente."),
      QStringLiteral("-------------------------\r\n"
                     "This program was written for fun, with its interface in its author's mother "
                     "tongue, Spanish. If you do not read Spanish, you may ask its makers for an English "
                     "version or for explanations. For now it is only a Garmin GPX to Google Earth KML "
                     "translator."),
  };
  return paragraphs.join(QStringLiteral("\r\n\r\n")) + QStringLiteral("\r\n");
}

}  // namespace ruvela
