// The design table as a file: a workbook (.xlsx), comma-separated text (.csv), a landscape table
// document in the report's style (.docx) or JSON (.json), chosen by the file name's extension.
#pragma once

#include <optional>
#include <string>

#include "base/expected.h"
#include "design/design_table.h"
#include "report/report_document.h"

namespace tavrel {

enum class TableFormat { Xlsx, Csv, Docx, Json };

// The kind of file the messages of a failed write name.
inline constexpr const char* kDesignTableFileKind = "设计表";

// The format of a file name's extension (letter case ignored); none for any other extension.
std::optional<TableFormat> tableFormatOf(const std::string& path);

// UTF-8 with a byte-order mark (so that spreadsheets read the Chinese headings), CR LF line ends: two
// heading rows, then a row per span with six columns per fill.
std::string designTableCsv(const DesignTable& table);

// One object: the code edition, the fixed inputs, the record, the axes and every cell.
std::string designTableJson(const DesignTable& table, const TableRequest& request);

// Landscape A4 in the report's style: title, fixed inputs, the table (a few fills per page width),
// notes.
ReportDocument designTableDocument(const DesignTable& table, const TableRequest& request);

// Three sheets: designs, quantities (both with frozen heading rows), and the input record with the
// code edition.
Expected<void> writeDesignTableXlsx(const DesignTable& table, const TableRequest& request,
                                    const std::string& path);

// Writes the table in the format of the path's extension; the existing file is replaced only by a
// complete new one. Errors: Package (the file could not be made) or CannotWrite.
Expected<void> writeDesignTable(const DesignTable& table, const TableRequest& request,
                                const std::string& path);

}  // namespace tavrel
