// The ini reader on any bytes: the reads options.ini gets, and a batch of writes into the text it holds.
#include <cstdint>
#include <string>

#include "FuzzInputFile.h"
#include "platform/framework/TIniFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string name = fuzzing::WriteInputFile(data, size, ".ini");
    framework::TIniFile ini(name);
    for (const char* section : {"CommonOptions", "Mp3Options", "cdoptions", "KelmOptions", ""}) {
        for (const char* key : {"OutputFolder", "BitRate", "IsKeepWav", "Lark_Rate0", ""}) {
            (void)ini.ReadString(section, key, "default");
            (void)ini.ReadInteger(section, key, 128);
            (void)ini.ReadBool(section, key, true);
        }
    }
    // Held back, never saved: the writes only edit the lines read.
    ini.BeginUpdate();
    ini.WriteString("CommonOptions", "OutputFolder", "/music/");
    ini.WriteInteger("NewSection", "Key", -1);
    ini.WriteBool("Mp3Options", "IsVBRHead", false);
    (void)ini.ReadString("NewSection", "Key", "");
    return 0;
}
