// Every section and key of the settings store, in one place; the keys of a
// section stand in the order in which they are read and written, and each
// option section ends with that order as a list.
#pragma once

namespace ruvela {

namespace settings_keys {

inline constexpr const char* kFileSection = "File";
inline constexpr const char* kLastDirectory = "g_sPath";

inline constexpr const char* kGpx2KmlSection = "GPX2KMLOpts";
inline constexpr const char* kConstantTracksKey = "OptCONSTT";
inline constexpr const char* kAmplifiedTracksKey = "OptTrkMultip";
inline constexpr const char* kRecordedTracksKey = "OptTrkTrueEle";
inline constexpr const char* kAbsoluteElevationsKey = "chkTrkEleABS";
inline constexpr const char* kAddOffsetKey = "chkTrkOffset";
inline constexpr const char* kAmplifyPercentKey = "txtTrkMultip";
inline constexpr const char* kConstantTrackElevationKey = "txtT_ele";
inline constexpr const char* kRouteElevationKey = "txtR_ele";
inline constexpr const char* kRecordedOffsetKey = "txtTrkOffset";
inline constexpr const char* kTrackTimesKey = "chkTrackTimes";
inline constexpr const char* kGpx2KmlKeys[] = {
    kConstantTracksKey, kAmplifiedTracksKey,        kRecordedTracksKey, kAbsoluteElevationsKey, kAddOffsetKey,
    kAmplifyPercentKey, kConstantTrackElevationKey, kRouteElevationKey, kRecordedOffsetKey,     kTrackTimesKey};

inline constexpr const char* kKml2GpxSection = "KML2GPXOpts";
inline constexpr const char* kIgnoreRouteWaypointsKey = "chkIgnoreRtWpts";
inline constexpr const char* kAutoNameRoutePointsKey = "chkAutoWRName";
inline constexpr const char* kDuplicateRouteWaypointsKey = "chkDupWpts";
inline constexpr const char* kRouteFolderNameKey = "txtRouteItFolderName";
inline constexpr const char* kPathsAsTracksKey = "chkPathsAsTracks";
inline constexpr const char* kPointTimesKey = "chkPointTimes";
inline constexpr const char* kKml2GpxKeys[] = {kIgnoreRouteWaypointsKey,    kAutoNameRoutePointsKey,
                                               kDuplicateRouteWaypointsKey, kRouteFolderNameKey,
                                               kPathsAsTracksKey,           kPointTimesKey};

// The folders viewer's place: left, top, width and height in twips.
inline constexpr const char* kPlaceSection = "frmFoldersPos";
inline constexpr const char* kLeftKey = "Ml";
inline constexpr const char* kTopKey = "Mt";
inline constexpr const char* kWidthKey = "Mw";
inline constexpr const char* kHeightKey = "Mh";

}  // namespace settings_keys

}  // namespace ruvela
