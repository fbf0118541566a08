#pragma once
// The settings script as the installer must write it, written out by hand
// from the value table, and the values it installs.
#include <map>
#include <string>

namespace cq::test {

// CR LF after every line, no blank line after the last value, "SOFTWARE" in
// capitals.
inline const std::string kExpectedSettingsScript =
    "Windows Registry Editor Version 5.00\r\n"
    "\r\n"
    "[HKEY_CURRENT_USER\\SOFTWARE\\Quillonex PCB Design, Inc.]\r\n"
    "\r\n"
    "[HKEY_CURRENT_USER\\SOFTWARE\\Quillonex PCB Design, Inc.\\Cirquet]\r\n"
    "\"Conductor_Reduction\"=\"100\"\r\n"
    "\"IPC_Version\"=\"0\"\r\n"
    "\"Derating\"=\"0\"\r\n"
    "\"Manual_Copper_Weight\"=\"0\"\r\n"
    "\"Program\"=\"16\"\r\n"
    "\"Units\"=\"0\"\r\n"
    "\"Via_Height_Enable\"=\"1\"\r\n"
    "\"Registry_Status\"=\"0\"\r\n"
    "\"Base_Weight\"=\"1\"\r\n"
    "\"Plate_Weight\"=\"2\"\r\n"
    "\"TH_Via_AR_Setting\"=\"10\"\r\n"
    "\"UVia_AR_Setting\"=\"1\"\r\n"
    "\"Cirquet_Theme\"=\"2\"\r\n"
    "\"File_Index\"=\"1\"\r\n";

inline const std::map<std::string, std::string> kExpectedInstalledValues = {
    {"Conductor_Reduction", "100"}, {"IPC_Version", "0"},       {"Derating", "0"},
    {"Manual_Copper_Weight", "0"},  {"Program", "16"},          {"Units", "0"},
    {"Via_Height_Enable", "1"},     {"Registry_Status", "0"},   {"Base_Weight", "1"},
    {"Plate_Weight", "2"},          {"TH_Via_AR_Setting", "10"}, {"UVia_AR_Setting", "1"},
    {"Cirquet_Theme", "2"},         {"File_Index", "1"}};

}  // namespace cq::test
