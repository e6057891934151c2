#include "pack_writer.h"

#include "catalogue_art.h"
#include "interface_art.h"
#include "pack_documents.h"

#include "data/byte_helpers.h"
#include "data/cp1251.h"
#include "data/interface_pictures.h"
#include "data/picture_codecs.h"
#include "data/stored_picture.h"

#include <fstream>
#include <stdexcept>

namespace zephyr::pack {
namespace {

void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

// "Data\images\x.jpg" -> <data folder>/images/x.jpg
std::filesystem::path Inside(const std::filesystem::path& dataFolder, std::string_view stored) {
    std::filesystem::path path = dataFolder;
    std::string part;
    bool first = true;
    const auto flush = [&] {
        // The interface names its picture folder both "Images" and "images":
        // keep one folder, found either way by case-insensitive look-up.
        if (UpperCaseCyr(part) == "IMAGES") {
            part = "images";
        }
        if (!(first && UpperCaseCyr(part) == "DATA") && !part.empty()) {
            path /= Utf8FromCp1251(part);
        }
        first = false;
        part.clear();
    };
    for (const char c : stored) {
        if (c == '\\' || c == '/') {
            flush();
        } else {
            part += c;
        }
    }
    flush();
    return path;
}

std::string Encode(const Picture& picture, std::string_view stored) {
    switch (PictureFormatOf(stored).value_or(PictureFormat::Jpeg)) {
    case PictureFormat::Gif:
        return EncodeGif(picture);
    case PictureFormat::Bmp:
        return EncodeBmp(picture);
    case PictureFormat::Jpeg:
        break;
    }
    // Small icons keep their edges best at the highest quality.
    return EncodeJpeg(picture, picture.Width <= 36 ? 100 : 92);
}

} // namespace

void WritePack(const PackSources& pack, const std::filesystem::path& dataFolder,
               const IconSet* icons) {
    // Everything that can fail on the sources is built before anything is written.
    const std::map<std::string, std::string> documents = BuildDocuments(pack);
    const std::string taverns = WriteTavernsFile(pack.Taverns);
    const std::string shops = WriteShopsFile(pack.Shops);
    const std::string auras = WriteAursFile(pack.Aurs);
    const std::string orbs = WriteOrbsFile(pack.Orbs);
    const std::string dictionary = WriteDictionaryFile(pack.Dictionary);

    std::filesystem::create_directories(dataFolder);
    WriteBytes(dataFolder / "Taverns.dat", taverns);
    WriteBytes(dataFolder / "Shops.dat", shops);
    WriteBytes(dataFolder / "Aurs.dat", auras);
    WriteBytes(dataFolder / "Orbs.dat", orbs);
    WriteBytes(dataFolder / "Dictionary.dat", dictionary);

    std::string ticker;
    for (const std::string& line : pack.TickerLines) {
        ticker += line + "\r\n";
    }
    WriteBytes(dataFolder / "Str.dat", ticker);
    WriteBytes(dataFolder / "Address.dat", Cp1251FromUtf8(AddressTable()));

    for (const PictureJob& job : pack.Pictures) {
        WriteBytes(Inside(dataFolder, job.StoredPath),
                   Encode(DrawCatalogueArt(job, icons), job.StoredPath));
    }
    for (const auto list : {RequiredDesignPictures(), OtherInterfacePictures()}) {
        for (const std::string_view stored : list) {
            const Picture picture = DrawInterfaceArt(stored, icons);
            if (picture.Pixels.empty()) {
                throw std::runtime_error("no drawing for " + std::string(stored));
            }
            WriteBytes(Inside(dataFolder, stored), Encode(picture, stored));
        }
    }
    for (const auto& [name, page] : documents) {
        WriteBytes(dataFolder / "documents" / name, page);
    }
}

} // namespace zephyr::pack
