#include "aurs_file.h"
#include "catalogue_reader.h"

namespace zephyr {

std::optional<AursFile> ReadAursFile(const std::filesystem::path& path) {
    CatalogueReader in;
    if (!in.Open(path)) {
        return std::nullopt;
    }
    AursFile file;
    file.HeaderTexts.resize(in.Byte("header count"));
    for (std::string& text : file.HeaderTexts) {
        text = in.FixedText(50, "header text");
    }
    file.Auras.resize(in.Byte("aura count"));
    for (AuraFileEntry& entry : file.Auras) {
        TAura& aura = entry.Aura;
        aura.Name = in.FixedText(50, "aura name");
        entry.PicturePath = in.FixedText(255, "aura picture path");
        for (std::int32_t* value : {&aura.V0, &aura.V1, &aura.V2, &aura.V3, &aura.V4, &aura.V5,
                                    &aura.V6, &aura.V7, &aura.V8, &aura.V9, &aura.V10}) {
            *value = in.Int("aura values");
        }
    }
    return file;
}

} // namespace zephyr
