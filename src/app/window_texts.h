// Every caption, status text and question the main window shows, in one
// place, so that a text seen on screen is found by searching for it once.
#pragma once

namespace ruvela::texts {

// The program's title: window caption, application name and question title.
inline constexpr char kAppTitle[] = "Zuvodirod ORE <-> DOV";

// The file line and the status line.
inline constexpr char kSelectedFilePrefix[] = "Archivo Seleccionado: ";
// Shown as the base name when a path cannot be cut into its parts.
inline constexpr char kUnlocatedFileName[] = "<Error en la localización del archivo>";
inline constexpr char kStatusPrefix[] = "Estado actual: ";

// Status texts, in the order a conversion meets them.
inline constexpr char kStatusIdle[] = "Inactivo";
inline constexpr char kStatusProcessing[] = "Procesando";
inline constexpr char kStatusReady[] = "Listo (guardar el archivo)";
inline constexpr char kStatusLoadError[] = "Inactivo (Ultimo archivo con error)";
inline constexpr char kStatusNothingConvertible[] = "Inactivo (último archivo sin datos convertibles)";
inline constexpr char kStatusCancelled[] = "Inactivo (último archivo cancelado)";
inline constexpr char kStatusUnknownFormat[] = "Inactivo (último archivo de formato desconocido)";
inline constexpr char kStatusSaveFailed[] = "Listo (error al guardar; el archivo sigue pendiente)";

// Buttons.
inline constexpr char kCloseButton[] = "&Cerrar Programa";
inline constexpr char kAbortButton[] = "Ca&ncelar Proceso";
inline constexpr char kReprocessButton[] = "&Reprocesar";
inline constexpr char kSaveButton[] = "&Guardar Archivo";
inline constexpr char kOpenButton[] = "&Abrir Archivo";

// Menus and their items.
inline constexpr char kFileMenu[] = "&Archivo";
inline constexpr char kOpenItem[] = "&Abrir";
inline constexpr char kSaveItem[] = "&Guardar";
inline constexpr char kExitItem[] = "&Salir";
inline constexpr char kOptionsMenu[] = "&Opciones";
inline constexpr char kGpx2KmlItem[] = "&GPX->KML";
inline constexpr char kKml2GpxItem[] = "&KML->GPX";
inline constexpr char kViewMenu[] = "&Ver";
inline constexpr char kFoldersItem[] = "&Carpetas";
inline constexpr char kHelpMenu[] = "&Ayuda";
inline constexpr char kHelpItem[] = "&Ayuda";
inline constexpr char kAboutItem[] = "Acerca &de";

// The option dialogs' titles.
inline constexpr char kGpx2KmlOptionsTitle[] = "Opciones de conversión GPX -> KML";
inline constexpr char kKml2GpxOptionsTitle[] = "Opciones de conversión KML -> GPX";

// The three questions. The first button is always the cautious answer, the
// second the one that gives data up.
struct Question {
  const char* message;
  const char* firstButton;
  const char* secondButton;
};
inline constexpr Question kPendingBeforeOpen{"CUIDADO: Hay un archivo pendiente para guardar.", "&Volver", "&Perderlo"};
inline constexpr Question kPendingBeforeExit{"OOOPS: Hay un archivo que no fue guardado!", "&Guardar", "&Perderlo"};
inline constexpr Question kTargetExists{
    "CUIDADO: El archivo ya existe para no cambiarlo hay que cancelar y usar otro nombre.", "&Cancelar",
    "Reescri&birlo"};

// The shared open/save dialog: titles and filters written as
// "description|pattern|description|pattern".
inline constexpr char kOpenDialogTitle[] = "Open file";
inline constexpr char kSaveDialogTitle[] = "Save file";
// A .kmz (zipped KML) is offered wherever .kml is.
inline constexpr char kOpenFilter[] =
    "Zuvodirod ORE <-> DOV (.gpx;.kml)|*.gpx;*.kml;*.kmz|GPS eXchange Format (.gpx)|*.gpx|"
    "Keyhole Markup Language (.kml)|*.kml;*.kmz|All Files (*.*)|*.*";
inline constexpr char kKmlSaveFilter[] = "Keyhole Markup Language (.kml)|*.kml|All Files (*.*)|*.*";
inline constexpr char kGpxSaveFilter[] = "GPS eXchange Format (.gpx)|*.gpx|All Files (*.*)|*.*";

}  // namespace ruvela::texts
