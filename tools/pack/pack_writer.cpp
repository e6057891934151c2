#include "pack_writer.h"

#include "catalogue_art.h"
#include "interface_art.h"
#include "pack_documents.h"

#include "data/byte_helpers.h"
#include "data/cp1251.h"
#include "data/interface_pictures.h"
#include "data/picture_codecs.h"

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
    const std::string extension = UpperCaseCyr(stored.substr(stored.rfind('.') + 1));
    if (extension == "GIF") {
        return EncodeGif(picture);
    }
    if (extension == "BMP") {
        return EncodeBmp(picture);
    }
    return EncodeJpeg(picture, 92);
}

} // namespace

void WritePack(const PackSources& pack, const std::filesystem::path& dataFolder) {
    std::filesystem::create_directories(dataFolder);
    WriteBytes(dataFolder / "Taverns.dat", WriteTavernsFile(pack.taverns));
    WriteBytes(dataFolder / "Shops.dat", WriteShopsFile(pack.shops));
    WriteBytes(dataFolder / "Aurs.dat", WriteAursFile(pack.aurs));
    WriteBytes(dataFolder / "Orbs.dat", WriteOrbsFile(pack.orbs));
    WriteBytes(dataFolder / "Dictionary.dat", WriteDictionaryFile(pack.dictionary));

    std::string ticker;
    for (const std::string& line : pack.tickerLines) {
        ticker += line + "\r\n";
    }
    WriteBytes(dataFolder / "Str.dat", ticker);
    WriteBytes(dataFolder / "Address.dat", Cp1251FromUtf8(AddressTable()));

    for (const PictureJob& job : pack.pictures) {
        WriteBytes(Inside(dataFolder, job.storedPath),
                   Encode(DrawCatalogueArt(job), job.storedPath));
    }
    for (const auto list : {RequiredDesignPictures(), OtherInterfacePictures()}) {
        for (const std::string_view stored : list) {
            const Picture picture = DrawInterfaceArt(stored);
            if (picture.pixels.empty()) {
                throw std::runtime_error("no drawing for " + std::string(stored));
            }
            WriteBytes(Inside(dataFolder, stored), Encode(picture, stored));
        }
    }
    for (const auto& [name, page] : BuildDocuments(pack)) {
        WriteBytes(dataFolder / "documents" / name, page);
    }
}

} // namespace zephyr::pack
