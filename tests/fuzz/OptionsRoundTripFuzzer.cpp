// options.ini on any bytes: what a load gives, a save keeps; a second load after the save gives the same record,
// and the file then reads back as written, string by string.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <tuple>

#include "FuzzInputFile.h"
#include "platform/framework/TIniFile.h"
#include "trackmill/app/options/OptionsFile.h"
#include "trackmill/app/options/OptionsSetting.h"

namespace {

auto Fields(const TOptionsSetting& o) {
    return std::make_tuple(o.OutputFolder, o.OutputFormat, o.IsKeepWav, o.IsNormalize, o.NormalizePercent,
                           o.IsSelectVBR, o.IsVBRHead, o.BitRate, o.MaxBitRate, o.MpegQuality, o.VBRQuality,
                           o.StereoMode, o.Index, o.CDDb, o.SaveMp3, o.OutputIndex, o.KelmOutputFolder, o.EncodeName,
                           o.EncodeRate, o.Resample_Rate, o.Resample_Count, o.Lark_Rate[0], o.Lark_Rate[1],
                           o.Lark_Rate[2], o.Lark_Count[0], o.Lark_Count[1], o.Lark_Count[2]);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The program's folder, with the input as its options.ini.
    const std::string folder = fuzzing::ScratchName("-options") + "/";
    std::filesystem::create_directories(folder);
    const std::string file = OptionsFileName(folder);
    std::FILE* out = std::fopen(file.c_str(), "wb");
    if (out == nullptr || std::fwrite(data, 1, size, out) != size || std::fclose(out) != 0) std::abort();

    Options = TOptionsSetting{};
    ReadWriteOptions(true, folder);
    const TOptionsSetting loaded = Options;
    ReadWriteOptions(false, folder);
    Options = TOptionsSetting{};
    ReadWriteOptions(true, folder);
    if (Fields(Options) != Fields(loaded)) std::abort();

    // Whatever the save wrote comes back byte for byte.
    const framework::TIniFile saved(file);
    if (saved.ReadString("CommonOptions", "OutputFolder", loaded.OutputFolder) != loaded.OutputFolder &&
        framework::TIniFile::Storable(loaded.OutputFolder))
        std::abort();
    if (saved.ReadString("KelmOptions", "OutputFolder", loaded.KelmOutputFolder) != loaded.KelmOutputFolder &&
        framework::TIniFile::Storable(loaded.KelmOutputFolder))
        std::abort();
    return 0;
}
