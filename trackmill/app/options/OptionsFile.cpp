#include "trackmill/app/options/OptionsFile.h"

#include <algorithm>

#include "platform/framework/TIniFile.h"
#include "trackmill/app/options/OptionsSetting.h"
#include "trackmill/app/options/WritableFiles.h"

namespace {

const char* const Common = "CommonOptions";
const char* const Mp3 = "Mp3Options";
const char* const CD = "CDOptions";
const char* const Record = "RecordOptions";
const char* const Kelm = "KelmOptions";

// An empty folder would put the outputs at the root of the file system.
std::string ReadFolder(const framework::TIniFile& ini, const char* section, const std::string& defaultFolder) {
    const std::string folder = ini.ReadString(section, "OutputFolder", defaultFolder);
    return folder.empty() ? defaultFolder : folder;
}

void LoadFields(const framework::TIniFile& ini, const std::string& defaultFolder) {
    Options.OutputFolder = ReadFolder(ini, Common, defaultFolder);
    Options.OutputFormat = ini.ReadInteger(Common, "OutputFormat", 0);
    Options.IsKeepWav = ini.ReadBool(Common, "IsKeepWav", false);
    Options.IsNormalize = ini.ReadBool(Common, "IsNormalize", false);
    // A gain above 100 % would carry loud samples past 16 bits.
    Options.NormalizePercent = std::clamp(ini.ReadInteger(Common, "NormalizePercent", 95), 0, 100);
    Options.IsSelectVBR = ini.ReadBool(Mp3, "IsSelectVBR", false);
    Options.IsVBRHead = ini.ReadBool(Mp3, "IsVBRHead", true);
    Options.BitRate = ini.ReadInteger(Mp3, "BitRate", 128);
    Options.MaxBitRate = ini.ReadInteger(Mp3, "MaxBitRate", DefaultMaxBitRate);
    Options.MpegQuality = ini.ReadInteger(Mp3, "MpegQuality", 0);
    Options.VBRQuality = ini.ReadInteger(Mp3, "VBRQuality", 4);
    Options.StereoMode = ini.ReadInteger(Mp3, "StereoMode", 1);
    Options.Index = ini.ReadInteger(CD, "Index", -1);
    Options.CDDb = ini.ReadBool(CD, "CDDb", false);
    Options.SaveMp3 = ini.ReadBool(Record, "SaveMp3", false);
    Options.OutputIndex = ini.ReadInteger(Kelm, "OutputIndex", 1);
    Options.KelmOutputFolder = ReadFolder(ini, Kelm, defaultFolder);
    Options.EncodeName = ini.ReadInteger(Kelm, "EncodeName", 1);
    Options.EncodeRate = ini.ReadInteger(Kelm, "EncodeRate", 2);
    Options.Resample_Rate = ini.ReadInteger(Kelm, "Resample_Rate", 0);
    Options.Resample_Count = ini.ReadInteger(Kelm, "Resample_Count", 0);
    for (int i = 0; i < 3; ++i) {
        const std::string digit = std::to_string(i);
        Options.Lark_Rate[i] = ini.ReadInteger(Kelm, "Lark_Rate" + digit, 0);
        Options.Lark_Count[i] = ini.ReadInteger(Kelm, "Lark_Count" + digit, 0);
    }
}

// The windows refuse a folder that would not read back as it is; one made by the program (a default from a
// strange program path) keeps what the file held instead of failing the whole save.
void WriteFolder(framework::TIniFile& ini, const char* section, const std::string& folder) {
    if (framework::TIniFile::Storable(folder)) ini.WriteString(section, "OutputFolder", folder);
}

void SaveFields(framework::TIniFile& ini) {
    WriteFolder(ini, Common, Options.OutputFolder);
    ini.WriteInteger(Common, "OutputFormat", Options.OutputFormat);
    ini.WriteBool(Common, "IsKeepWav", Options.IsKeepWav);
    ini.WriteBool(Common, "IsNormalize", Options.IsNormalize);
    ini.WriteInteger(Common, "NormalizePercent", Options.NormalizePercent);
    ini.WriteBool(Mp3, "IsSelectVBR", Options.IsSelectVBR);
    ini.WriteBool(Mp3, "IsVBRHead", Options.IsVBRHead);
    ini.WriteInteger(Mp3, "BitRate", Options.BitRate);
    ini.WriteInteger(Mp3, "MaxBitRate", Options.MaxBitRate);
    ini.WriteInteger(Mp3, "MpegQuality", Options.MpegQuality);
    ini.WriteInteger(Mp3, "VBRQuality", Options.VBRQuality);
    ini.WriteInteger(Mp3, "StereoMode", Options.StereoMode);
    ini.WriteInteger(CD, "Index", Options.Index);
    ini.WriteBool(CD, "CDDb", Options.CDDb);
    ini.WriteBool(Record, "SaveMp3", Options.SaveMp3);
    ini.WriteInteger(Kelm, "OutputIndex", Options.OutputIndex);
    WriteFolder(ini, Kelm, Options.KelmOutputFolder);
    ini.WriteInteger(Kelm, "EncodeName", Options.EncodeName);
    ini.WriteInteger(Kelm, "EncodeRate", Options.EncodeRate);
    ini.WriteInteger(Kelm, "Resample_Rate", Options.Resample_Rate);
    ini.WriteInteger(Kelm, "Resample_Count", Options.Resample_Count);
    for (int i = 0; i < 3; ++i) {
        const std::string digit = std::to_string(i);
        ini.WriteInteger(Kelm, "Lark_Rate" + digit, Options.Lark_Rate[i]);
        ini.WriteInteger(Kelm, "Lark_Count" + digit, Options.Lark_Count[i]);
    }
}

}  // namespace

std::string OptionsFileName(const std::string& programFolder) { return WritableFileName(programFolder, "options.ini"); }

void ReadWriteOptions(bool Load, const std::string& programFolder) {
    const std::string fileName = OptionsFileName(programFolder);
    if (!Load) MakeFolderOf(fileName);
    framework::TIniFile ini(fileName);
    if (Load) {
        // Outputs go where the program may write, as its own files do; a per-user folder is made when it is missing.
        const std::string defaultFolder = WritableFolder(programFolder);
        if (defaultFolder != programFolder) MakeFolderOf(defaultFolder);
        LoadFields(ini, defaultFolder);
    } else {
        // One replacement of the file for all the keys.
        ini.BeginUpdate();
        SaveFields(ini);
        ini.EndUpdate();
    }
}

void ReadWriteOptions(bool Load) { ReadWriteOptions(Load, ProgramFolder()); }
