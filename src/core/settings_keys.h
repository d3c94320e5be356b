// Every section and key of the settings store, in one place; the keys of a
// section stand in the order in which they are read and written, and each
// option section ends with that order as a list.
#pragma once

namespace ruvela {

namespace settings_keys {

inline constexpr const char* kFileSection = "File";
inline constexpr const char* kLastDirectory = "g_sPath";

inline constexpr const char* kGpx2KmlSection = "GPX2KMLOpts";
inline constexpr const char* kOptCONSTT = "OptCONSTT";
inline constexpr const char* kOptTrkMultip = "OptTrkMultip";
inline constexpr const char* kOptTrkTrueEle = "OptTrkTrueEle";
inline constexpr const char* kChkTrkEleABS = "chkTrkEleABS";
inline constexpr const char* kChkTrkOffset = "chkTrkOffset";
inline constexpr const char* kTxtTrkMultip = "txtTrkMultip";
inline constexpr const char* kTxtT_ele = "txtT_ele";
inline constexpr const char* kTxtR_ele = "txtR_ele";
inline constexpr const char* kTxtTrkOffset = "txtTrkOffset";
inline constexpr const char* kGpx2KmlKeys[] = {kOptCONSTT,    kOptTrkMultip, kOptTrkTrueEle,
                                               kChkTrkEleABS, kChkTrkOffset, kTxtTrkMultip,
                                               kTxtT_ele,     kTxtR_ele,     kTxtTrkOffset};

inline constexpr const char* kKml2GpxSection = "KML2GPXOpts";
inline constexpr const char* kChkIgnoreRtWpts = "chkIgnoreRtWpts";
inline constexpr const char* kChkAutoWRName = "chkAutoWRName";
inline constexpr const char* kChkDupWpts = "chkDupWpts";
inline constexpr const char* kTxtRouteItFolderName = "txtRouteItFolderName";
inline constexpr const char* kChkPathsAsTracks = "chkPathsAsTracks";
inline constexpr const char* kKml2GpxKeys[] = {kChkIgnoreRtWpts, kChkAutoWRName, kChkDupWpts, kTxtRouteItFolderName,
                                               kChkPathsAsTracks};

// The folders viewer's place: left, top, width and height in twips.
inline constexpr const char* kPlaceSection = "frmFoldersPos";
inline constexpr const char* kLeftKey = "Ml";
inline constexpr const char* kTopKey = "Mt";
inline constexpr const char* kWidthKey = "Mw";
inline constexpr const char* kHeightKey = "Mh";

}  // namespace settings_keys

}  // namespace ruvela
