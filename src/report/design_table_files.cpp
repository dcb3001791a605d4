// Writing a design table in the format its file name asks for.
#include "report/design_table_files.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <exception>

#include "platform/files.h"
#include "report/docx_writer.h"
#include "report/report_files.h"

namespace tavrel {

namespace {

std::string lowerExtension(const std::string& path) {
    std::string extension = platform::utf8FromPath(platform::pathFromUtf8(path).extension());
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
    return extension;
}

// The document written, or why not; the pictures it may lack are none (a table has none).
Expected<void> writtenDocument(const ReportDocument& document, const std::string& path) {
    const Expected<WrittenReport> written =
        writeDocx(document, path, std::chrono::system_clock::now(), kDesignTableFileKind);
    if (!written) {
        return unexpected(written.error());
    }
    return {};
}

}  // namespace

std::optional<TableFormat> tableFormatOf(const std::string& path) {
    const std::string extension = lowerExtension(path);
    if (extension == ".xlsx") {
        return TableFormat::Xlsx;
    }
    if (extension == ".csv") {
        return TableFormat::Csv;
    }
    if (extension == ".docx") {
        return TableFormat::Docx;
    }
    if (extension == ".json") {
        return TableFormat::Json;
    }
    return std::nullopt;
}

Expected<void> writeDesignTable(const DesignTable& table, const TableRequest& request,
                                const std::string& path) {
    try {
        switch (tableFormatOf(path).value_or(TableFormat::Json)) {
            case TableFormat::Xlsx:
                return writeDesignTableXlsx(table, request, path);
            case TableFormat::Csv:
                return replaceFileAtomically(path, designTableCsv(table), kDesignTableFileKind);
            case TableFormat::Docx:
                return writtenDocument(designTableDocument(table, request), path);
            case TableFormat::Json:
                break;
        }
        return replaceFileAtomically(path, designTableJson(table, request), kDesignTableFileKind);
    } catch (const std::exception& exception) {
        return failure(ErrorCode::Package,
                       std::string(kDesignTableFileKind) + "文件生成失败：" + exception.what());
    }
}

}  // namespace tavrel
