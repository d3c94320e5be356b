// Every caption, status text and question the main window shows, in one
// place, so that a text seen on screen is found by searching for it once.
#pragma once

namespace ruvela::texts {

// The program's title: window caption, application name and question title.
inline constexpr const char* kAppTitle = "Zuvodirod ORE <-> DOV";

// The file line and the status line.
inline constexpr const char* kSelectedFilePrefix = "Archivo Seleccionado: ";
inline constexpr const char* kStatusPrefix = "Estado actual: ";

// Status texts, in the order a conversion meets them.
inline constexpr const char* kStatusIdle = "Inactivo";
inline constexpr const char* kStatusProcessing = "Procesando";
inline constexpr const char* kStatusReady = "Listo (guardar el archivo)";
inline constexpr const char* kStatusLoadError = "Inactivo (Ultimo archivo con error)";
inline constexpr const char* kStatusNothingConvertible = "Inactivo (último archivo sin datos convertibles)";
inline constexpr const char* kStatusCancelled = "Inactivo (último archivo cancelado)";
inline constexpr const char* kStatusUnknownFormat = "Inactivo (último archivo de formato desconocido)";
inline constexpr const char* kStatusSaveFailed = "Listo (error al guardar; el archivo sigue pendiente)";

// Buttons.
inline constexpr const char* kCloseButton = "&Cerrar Programa";
inline constexpr const char* kAbortButton = "Ca&ncelar Proceso";
inline constexpr const char* kReprocessButton = "&Reprocesar";
inline constexpr const char* kSaveButton = "&Guardar Archivo";
inline constexpr const char* kOpenButton = "&Abrir Archivo";

// Menus and their items.
inline constexpr const char* kFileMenu = "&Archivo";
inline constexpr const char* kOpenItem = "&Abrir";
inline constexpr const char* kSaveItem = "&Guardar";
inline constexpr const char* kExitItem = "&Salir";
inline constexpr const char* kOptionsMenu = "&Opciones";
inline constexpr const char* kGpx2KmlItem = "&GPX->KML";
inline constexpr const char* kKml2GpxItem = "&KML->GPX";
inline constexpr const char* kViewMenu = "&Ver";
inline constexpr const char* kFoldersItem = "&Carpetas";
inline constexpr const char* kHelpMenu = "&Ayuda";
inline constexpr const char* kHelpItem = "&Ayuda";
inline constexpr const char* kAboutItem = "Acerca &de";

// The option dialogs' titles.
inline constexpr const char* kGpx2KmlOptionsTitle = "Opciones de conversión GPX -> KML";
inline constexpr const char* kKml2GpxOptionsTitle = "Opciones de conversión KML -> GPX";

// The three questions. The first button is always the cautious answer.
inline constexpr const char* kPendingBeforeOpen = "CUIDADO: Hay un archivo pendiente para guardar.";
inline constexpr const char* kBackButton = "&Volver";
inline constexpr const char* kLoseButton = "&Perderlo";
inline constexpr const char* kPendingBeforeExit = "OOOPS: Hay un archivo que no fue guardado!";
inline constexpr const char* kSaveAnswerButton = "&Guardar";
inline constexpr const char* kTargetExists =
    "CUIDADO: El archivo ya existe para no cambiarlo hay que cancelar y usar otro nombre.";
inline constexpr const char* kCancelButton = "&Cancelar";
inline constexpr const char* kOverwriteButton = "Reescri&birlo";

// The shared open/save dialog: titles and filters written as
// "description|pattern|description|pattern".
inline constexpr const char* kOpenDialogTitle = "Open file";
inline constexpr const char* kSaveDialogTitle = "Save file";
// A .kmz (zipped KML) is offered wherever .kml is.
inline constexpr const char* kOpenFilter =
    "Zuvodirod ORE <-> DOV (.gpx;.kml)|*.gpx;*.kml;*.kmz|GPS eXchange Format (.gpx)|*.gpx|"
    "Keyhole Markup Language (.kml)|*.kml;*.kmz|All Files (*.*)|*.*";
inline constexpr const char* kKmlSaveFilter = "Keyhole Markup Language (.kml)|*.kml|All Files (*.*)|*.*";
inline constexpr const char* kGpxSaveFilter = "GPS eXchange Format (.gpx)|*.gpx|All Files (*.*)|*.*";

}  // namespace ruvela::texts
