#pragma once
// The values kept under the settings key, all of them short decimal texts,
// and the one way they are read. Every writer stores its value with
// WriteSetting (app/setting_writer.h) the moment the value changes.
#include <string>

#include "app/setting_writer.h"
#include "platform/services.h"

namespace cq::setting {

inline constexpr const char* kUnits = "Units";                        // "0" Imperial, "1" Metric
inline constexpr const char* kProgram = "Program";                    // last activated calculator
inline constexpr const char* kBaseWeight = "Base_Weight";             // item of the base copper radio
inline constexpr const char* kPlateWeight = "Plate_Weight";           // item of the plating radio
inline constexpr const char* kManualCopper = "Manual_Copper_Weight";  // "1": thicknesses typed
inline constexpr const char* kIpcVersion = "IPC_Version";             // item of the IPC method radio
inline constexpr const char* kDerating = "Derating";                  // item of the etch-factor radio
inline constexpr const char* kViaHeight = "Via_Height_Enable";        // "1": via height counts
inline constexpr const char* kThLimit = "TH_Via_AR_Setting";          // through-hole aspect-ratio limit
inline constexpr const char* kUViaLimit = "UVia_AR_Setting";          // microvia aspect-ratio limit
inline constexpr const char* kTheme = "Cirquet_Theme";                // item of the colour-theme list
inline constexpr const char* kStatus = "Registry_Status";             // "0": installed key
inline constexpr const char* kConductorReduction = "Conductor_Reduction";  // stored, never used
inline constexpr const char* kFileIndex = "File_Index";                    // stored, never used

}  // namespace cq::setting

namespace cq {

// Opens the settings key read-only, reads one value and closes the key. A
// missing value, or a key that does not open, reads as the empty text.
std::string ReadSetting(SettingsStore& store, const std::string& name);

}  // namespace cq
