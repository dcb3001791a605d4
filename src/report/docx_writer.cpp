// Writes a report document as a .docx file: reads its pictures, packs the parts with libzip in memory,
// then replaces the target file in one step.
#include "report/docx_writer.h"

#include <zip.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <new>
#include <optional>

#include "platform/files.h"
#include "report/docx_parts.h"
#include "report/report_files.h"

namespace tavrel {

namespace {

// Larger picture files are not figures of a report; they are left out rather than read.
constexpr std::uintmax_t kLargestPictureBytes = 32u * 1024u * 1024u;

std::optional<std::string> readSmallFile(const std::string& path) {
    const std::filesystem::path filePath = platform::pathFromUtf8(path);
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(filePath, error);
    if (error || size > kLargestPictureBytes) {
        return std::nullopt;
    }
    std::ifstream file(filePath, std::ios::binary);
    if (!file) {
        return std::nullopt;
    }
    std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (file.bad()) {
        return std::nullopt;
    }
    return bytes;
}

EmbeddedPictures readPictures(const ReportDocument& document) {
    EmbeddedPictures pictures;
    for (std::size_t index = 0; index < document.paragraphs.size(); ++index) {
        const std::optional<ReportPicture>& picture = document.paragraphs[index].picture;
        if (!picture) {
            continue;
        }
        std::optional<std::string> bytes = readSmallFile(picture->path);
        if (!bytes) {
            continue;
        }
        const std::optional<JpegInfo> info = readJpegInfo(*bytes);
        if (!info) {
            continue;
        }
        const std::filesystem::path name = platform::pathFromUtf8(picture->path).filename();
        pictures.emplace(index, EmbeddedPicture{platform::utf8FromPath(name), std::move(*bytes), *info});
    }
    return pictures;
}

struct SourceDeleter {
    void operator()(zip_source_t* source) const { zip_source_free(source); }
};
struct ArchiveDeleter {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
using SourcePointer = std::unique_ptr<zip_source_t, SourceDeleter>;
using ArchivePointer = std::unique_ptr<zip_t, ArchiveDeleter>;

std::string libzipMessage(zip_error_t* error) {
    std::string message = zip_error_strerror(error);
    zip_error_fini(error);
    return message;
}

// Adds the parts to the archive; they must stay alive until the archive is closed.
std::optional<std::string> addParts(zip_t* archive, const std::vector<PackagePart>& parts) {
    for (const PackagePart& part : parts) {
        zip_source_t* source = zip_source_buffer(archive, part.content.data(), part.content.size(), 0);
        if (source == nullptr) {
            return zip_strerror(archive);
        }
        const zip_int64_t index = zip_file_add(archive, part.name.c_str(), source, ZIP_FL_ENC_UTF_8);
        if (index < 0) {
            zip_source_free(source);
            return zip_strerror(archive);
        }
        if (!part.compressed &&
            zip_set_file_compression(archive, static_cast<zip_uint64_t>(index), ZIP_CM_STORE, 0) < 0) {
            return zip_strerror(archive);
        }
    }
    return std::nullopt;
}

std::optional<std::string> readWholeSource(zip_source_t* source, std::string& bytes) {
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_source_stat(source, &stat) < 0 || (stat.valid & ZIP_STAT_SIZE) == 0 ||
        zip_source_open(source) < 0) {
        return zip_error_strerror(zip_source_error(source));
    }
    bytes.resize(stat.size);
    const zip_int64_t read = zip_source_read(source, bytes.data(), stat.size);
    zip_source_close(source);
    if (read < 0 || static_cast<zip_uint64_t>(read) != stat.size) {
        return std::string("incomplete archive");
    }
    return std::nullopt;
}

// The zip container of the parts, built in memory. Returns the reason when libzip fails.
std::optional<std::string> packParts(const std::vector<PackagePart>& parts, std::string& bytes) {
    zip_error_t error;
    zip_error_init(&error);
    SourcePointer buffer(zip_source_buffer_create(nullptr, 0, 0, &error));
    if (!buffer) {
        return libzipMessage(&error);
    }
    ArchivePointer archive(zip_open_from_source(buffer.get(), ZIP_TRUNCATE, &error));
    if (!archive) {
        return libzipMessage(&error);
    }
    zip_error_fini(&error);
    zip_source_keep(buffer.get());  // the archive releases its reference when it closes; ours stays
    if (std::optional<std::string> failure = addParts(archive.get(), parts)) {
        return failure;
    }
    if (zip_close(archive.get()) < 0) {
        return std::string(zip_strerror(archive.get()));
    }
    static_cast<void>(archive.release());  // closed and freed by zip_close
    return readWholeSource(buffer.get(), bytes);
}

WriteResult packageFailure(std::string_view fileKind, const std::string& reason) {
    return {WriteResult::Error::Package, std::string(fileKind) + "文件打包失败：" + reason, ""};
}

}  // namespace

WriteResult writeDocx(const ReportDocument& document, const std::string& path, std::string_view fileKind) {
    try {
        const EmbeddedPictures pictures = readPictures(document);
        const std::vector<PackagePart> parts =
            docxParts(document, pictures, std::chrono::system_clock::now());
        std::string bytes;
        if (std::optional<std::string> failure = packParts(parts, bytes)) {
            return packageFailure(fileKind, *failure);
        }
        return replaceFileAtomically(path, bytes, fileKind);
    } catch (const std::bad_alloc&) {
        return packageFailure(fileKind, "内存不足");
    } catch (const std::exception& exception) {
        return packageFailure(fileKind, exception.what());
    }
}

}  // namespace tavrel
