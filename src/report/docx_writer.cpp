// Writes a report document as a .docx file: reads its pictures, packs the parts with libzip in memory,
// then replaces the target file in one step.
#include "report/docx_writer.h"

#include <zip.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <new>
#include <optional>
#include <vector>

#include "platform/files.h"
#include "report/docx_parts.h"
#include "report/report_files.h"

namespace tavrel {

namespace {

// Larger picture files are not figures of a report; they are left out rather than read.
constexpr std::uintmax_t kLargestPictureBytes = 32u * 1024u * 1024u;

Unexpected<Error> unreadablePicture(const std::string& reason) {
    return failure(ErrorCode::CannotOpen, reason);
}

// A picture file's bytes; the error's message says why the report goes without it.
Expected<std::string> readSmallFile(const std::string& path) {
    const std::filesystem::path filePath = platform::pathFromUtf8(path);
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(filePath, error);
    if (error) {
        return unreadablePicture(error == std::errc::no_such_file_or_directory ? "文件不存在"
                                                                               : platform::reason(error));
    }
    if (size > kLargestPictureBytes) {
        return unreadablePicture("文件过大，不是示意图");
    }
    std::ifstream file(filePath, std::ios::binary);
    if (!file) {
        return unreadablePicture("无法打开文件（" + platform::reason({errno, std::generic_category()}) +
                                 "）");
    }
    std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (file.bad()) {
        return unreadablePicture("读取文件失败");
    }
    return bytes;
}

struct Pictures {
    EmbeddedPictures embedded;
    std::vector<LeftOutPicture> leftOut;
};

Pictures readPictures(const ReportDocument& document) {
    Pictures pictures;
    for (std::size_t index = 0; index < document.paragraphs.size(); ++index) {
        const std::optional<ReportPicture>& picture = document.paragraphs[index].picture;
        if (!picture) {
            continue;
        }
        Expected<std::string> bytes = readSmallFile(picture->path);
        if (!bytes) {
            pictures.leftOut.push_back({picture->path, bytes.error().message});
            continue;
        }
        const std::optional<JpegInfo> info = readJpegInfo(*bytes);
        if (!info) {
            pictures.leftOut.push_back({picture->path, "不是JPEG图片"});
            continue;
        }
        const std::filesystem::path name = platform::pathFromUtf8(picture->path).filename();
        pictures.embedded.emplace(index,
                                  EmbeddedPicture{platform::utf8FromPath(name), std::move(*bytes), *info});
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

// What libzip says went wrong, as the report's packaging failure.
Unexpected<Error> packageFailure(const std::string& reason) {
    return failure(ErrorCode::Package, "计算书文件打包失败：" + reason);
}

Unexpected<Error> libzipFailure(zip_error_t* error) {
    const std::string reason = zip_error_strerror(error);
    zip_error_fini(error);
    return packageFailure(reason);
}

// Adds the parts to the archive; they must stay alive until the archive is closed.
Expected<void> addParts(zip_t* archive, const std::vector<PackagePart>& parts) {
    for (const PackagePart& part : parts) {
        zip_source_t* source = zip_source_buffer(archive, part.content.data(), part.content.size(), 0);
        if (source == nullptr) {
            return packageFailure(zip_strerror(archive));
        }
        const zip_int64_t index = zip_file_add(archive, part.name.c_str(), source, ZIP_FL_ENC_UTF_8);
        if (index < 0) {
            zip_source_free(source);
            return packageFailure(zip_strerror(archive));
        }
        if (!part.compressed &&
            zip_set_file_compression(archive, static_cast<zip_uint64_t>(index), ZIP_CM_STORE, 0) < 0) {
            return packageFailure(zip_strerror(archive));
        }
    }
    return {};
}

Expected<std::string> readWholeSource(zip_source_t* source) {
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_source_stat(source, &stat) < 0 || (stat.valid & ZIP_STAT_SIZE) == 0 ||
        zip_source_open(source) < 0) {
        return packageFailure(zip_error_strerror(zip_source_error(source)));
    }
    std::string bytes(stat.size, '\0');
    const zip_int64_t read = zip_source_read(source, bytes.data(), stat.size);
    zip_source_close(source);
    if (read < 0 || static_cast<zip_uint64_t>(read) != stat.size) {
        return packageFailure("incomplete archive");
    }
    return bytes;
}

// The zip container of the parts, built in memory.
Expected<std::string> packParts(const std::vector<PackagePart>& parts) {
    zip_error_t error;
    zip_error_init(&error);
    SourcePointer buffer(zip_source_buffer_create(nullptr, 0, 0, &error));
    if (!buffer) {
        return libzipFailure(&error);
    }
    ArchivePointer archive(zip_open_from_source(buffer.get(), ZIP_TRUNCATE, &error));
    if (!archive) {
        return libzipFailure(&error);
    }
    zip_error_fini(&error);
    zip_source_keep(buffer.get());  // the archive releases its reference when it closes; ours stays
    if (const Expected<void> added = addParts(archive.get(), parts); !added) {
        return unexpected(added.error());
    }
    if (zip_close(archive.get()) < 0) {
        return packageFailure(zip_strerror(archive.get()));
    }
    static_cast<void>(archive.release());  // closed and freed by zip_close
    return readWholeSource(buffer.get());
}

}  // namespace

std::string leftOutPictureMessage(const LeftOutPicture& picture) {
    return "计算书中没有示意图：" + picture.path + "（" + picture.reason + "）";
}

Expected<WrittenReport> writeDocx(const ReportDocument& document, const std::string& path,
                                  std::chrono::system_clock::time_point now, std::string_view fileKind) {
    try {
        Pictures pictures = readPictures(document);
        const std::vector<PackagePart> parts = docxParts(document, pictures.embedded, now);
        const Expected<std::string> bytes = packParts(parts);
        if (!bytes) {
            return unexpected(bytes.error());
        }
        if (const Expected<void> replaced = replaceFileAtomically(path, *bytes, fileKind); !replaced) {
            return unexpected(replaced.error());
        }
        return WrittenReport{path, std::move(pictures.leftOut)};
    } catch (const std::bad_alloc&) {
        return packageFailure("内存不足");
    } catch (const std::exception& exception) {
        return packageFailure(exception.what());
    }
}

}  // namespace tavrel
