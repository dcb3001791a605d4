// The design table as a workbook made with libxlsxwriter: a sheet of designs, a sheet of quantities (both
// with frozen heading rows and the units in their headings) and a sheet of the input record and the code
// edition.
#include <xlsxwriter.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

#include "base/numbers.h"
#include "platform/files.h"
#include "report/design_table_content.h"
#include "report/design_table_files.h"
#include "report/report_files.h"

namespace tavrel {

namespace {

constexpr lxw_row_t kHeadingRows = 2;
constexpr double kSpanColumnWidth = 14;  // characters
constexpr double kTextColumnWidth = 16;
constexpr double kRemarkColumnWidth = 30;

// The formats of the workbook; libxlsxwriter owns them and frees them with the workbook.
struct Formats {
    lxw_format* heading;
    lxw_format* text;
    lxw_format* spans;
    lxw_format* oneDecimal;
    lxw_format* twoDecimals;
    lxw_format* label;
};

lxw_format* bordered(lxw_workbook* workbook) {
    lxw_format* format = workbook_add_format(workbook);
    format_set_border(format, LXW_BORDER_THIN);
    format_set_align(format, LXW_ALIGN_CENTER);
    format_set_align(format, LXW_ALIGN_VERTICAL_CENTER);
    format_set_text_wrap(format);
    return format;
}

Formats addFormats(lxw_workbook* workbook) {
    Formats formats{};
    formats.heading = bordered(workbook);
    format_set_bold(formats.heading);
    formats.text = bordered(workbook);
    formats.spans = bordered(workbook);
    format_set_num_format(formats.spans, "0.0##");
    formats.oneDecimal = bordered(workbook);
    format_set_num_format(formats.oneDecimal, "0.0");
    formats.twoDecimals = bordered(workbook);
    format_set_num_format(formats.twoDecimals, "0.00");
    formats.label = workbook_add_format(workbook);
    format_set_bold(formats.label);
    return formats;
}

// Collects the first error of the many calls that write one sheet.
class SheetWriter {
  public:
    SheetWriter(lxw_worksheet* sheet, lxw_error& firstError) : m_sheet(sheet), m_error(firstError) {}

    void text(lxw_row_t row, lxw_col_t column, const std::string& value, lxw_format* format) {
        keep(worksheet_write_string(m_sheet, row, column, value.c_str(), format));
    }
    void number(lxw_row_t row, lxw_col_t column, double value, lxw_format* format) {
        keep(worksheet_write_number(m_sheet, row, column, value, format));
    }
    // The number a table text shows (read without the locale), or an empty bordered cell for no text.
    void numberText(lxw_row_t row, lxw_col_t column, const std::string& value, lxw_format* format,
                    lxw_format* blank) {
        if (value.empty()) {
            keep(worksheet_write_blank(m_sheet, row, column, blank));
        } else {
            number(row, column, parseStrict(value).value_or(0), format);
        }
    }
    void merged(lxw_row_t row, lxw_col_t first, lxw_row_t lastRow, lxw_col_t last, const std::string& value,
                lxw_format* format) {
        if (first == last && row == lastRow) {
            text(row, first, value, format);
        } else {
            keep(worksheet_merge_range(m_sheet, row, first, lastRow, last, value.c_str(), format));
        }
    }
    void columns(lxw_col_t first, lxw_col_t last, double width) {
        keep(worksheet_set_column(m_sheet, first, last, width, nullptr));
    }
    void freezeHeadings() { worksheet_freeze_panes(m_sheet, kHeadingRows, 1); }

  private:
    void keep(lxw_error error) {
        if (m_error == LXW_NO_ERROR) {
            m_error = error;
        }
    }
    lxw_worksheet* m_sheet;
    lxw_error& m_error;
};

// Heading rows of a sheet whose groups have the given column headings, the span column first;
// `groupWidths` sets the widths of each group's columns, given its first column.
template <typename GroupWidths>
void writeHeadings(SheetWriter& sheet, const DesignTable& table, const std::vector<std::string>& headings,
                   const Formats& formats, const GroupWidths& groupWidths) {
    sheet.merged(0, 0, 1, 0, kSpanHeading, formats.heading);
    const auto width = static_cast<lxw_col_t>(headings.size());
    for (std::size_t fill = 0; fill < table.fills.size(); ++fill) {
        const auto first = static_cast<lxw_col_t>(1 + fill * width);
        sheet.merged(0, first, 0, first + width - 1, fillGroupHeading(table, fill), formats.heading);
        for (lxw_col_t column = 0; column < width; ++column) {
            sheet.text(1, first + column, headings[column], formats.heading);
        }
        groupWidths(first);
    }
    sheet.freezeHeadings();
    sheet.columns(0, 0, kSpanColumnWidth);
}

lxw_row_t rowOf(std::size_t span) {
    return kHeadingRows + static_cast<lxw_row_t>(span);
}

// A row per span: the span, then for each fill the group of `width` columns that `writeGroup` fills
// from the cell's texts, given the row and the group's first column.
template <typename WriteGroup>
void writeRows(SheetWriter& sheet, const DesignTable& table, std::size_t width, const Formats& formats,
               const WriteGroup& writeGroup) {
    for (std::size_t span = 0; span < table.spans.size(); ++span) {
        sheet.number(rowOf(span), 0, parseStrict(table.spans[span]).value_or(0), formats.spans);
        for (std::size_t fill = 0; fill < table.fills.size(); ++fill) {
            writeGroup(rowOf(span), static_cast<lxw_col_t>(1 + fill * width),
                       designCellTexts(table.cell(span, fill)));
        }
    }
}

void writeDesignSheet(SheetWriter& sheet, const DesignTable& table, const Formats& formats) {
    const std::vector<std::string>& headings = designColumnHeadings();
    writeHeadings(sheet, table, headings, formats, [&](lxw_col_t first) {
        sheet.columns(first, first + 2, kTextColumnWidth);
        sheet.columns(first + 3, first + 3, kRemarkColumnWidth);
    });
    writeRows(sheet, table, headings.size(), formats,
              [&](lxw_row_t row, lxw_col_t first, const DesignCellTexts& t) {
                  sheet.text(row, first, t.thickness, formats.text);
                  sheet.text(row, first + 1, t.bars, formats.text);
                  sheet.numberText(row, first + 2, t.spacing, formats.oneDecimal, formats.text);
                  sheet.text(row, first + 3, t.remark, formats.text);
              });
}

void writeQuantitySheet(SheetWriter& sheet, const DesignTable& table, const Formats& formats) {
    const std::vector<std::string>& headings = quantityColumnHeadings();
    writeHeadings(sheet, table, headings, formats,
                  [&](lxw_col_t first) { sheet.columns(first, first + 1, kTextColumnWidth); });
    writeRows(sheet, table, headings.size(), formats,
              [&](lxw_row_t row, lxw_col_t first, const DesignCellTexts& t) {
                  sheet.numberText(row, first, t.concrete, formats.twoDecimals, formats.text);
                  sheet.numberText(row, first + 1, t.steel, formats.oneDecimal, formats.text);
              });
    sheet.text(rowOf(table.spans.size()) + 1, 0, kQuantitiesNote, nullptr);
}

void writeInputSheet(SheetWriter& sheet, const TableRequest& request, const Formats& formats) {
    lxw_row_t row = 0;
    for (const LabelledValue& input : fixedInputs(request)) {
        sheet.text(row, 0, input.label, formats.label);
        sheet.text(row++, 1, input.value, nullptr);
    }
    ++row;
    sheet.text(row++, 0, "输入文件", formats.label);
    for (const LabelledValue& line : recordLines(request.design.record)) {
        sheet.text(row, 0, line.label, nullptr);
        sheet.text(row++, 1, line.value, nullptr);
    }
    for (const std::string& note : designTableNotes()) {
        sheet.text(++row, 0, note, nullptr);
    }
    sheet.columns(0, 0, 30);
    sheet.columns(1, 1, 60);
}

// A file name of our own in the temporary folder: libxlsxwriter writes only to a named file, given in UTF-8.
std::filesystem::path temporaryWorkbookPath() {
    static std::atomic<unsigned> counter{0};
    return std::filesystem::temp_directory_path() /
           ("tavrel-" + std::to_string(platform::processId()) + "-" + std::to_string(counter++) + ".xlsx");
}

// Writes the workbook to `path`; the first error, or LXW_NO_ERROR.
lxw_error writeWorkbook(const DesignTable& table, const TableRequest& request, const std::string& path) {
    lxw_workbook* workbook = workbook_new(path.c_str());
    if (workbook == nullptr) {
        return LXW_ERROR_CREATING_XLSX_FILE;
    }
    const Formats formats = addFormats(workbook);
    lxw_error firstError = LXW_NO_ERROR;
    const std::string title = designTableTitle(table.slabType);
    lxw_doc_properties properties{};
    properties.title = const_cast<char*>(title.c_str());
    properties.author = const_cast<char*>("Tavrel");
    workbook_set_properties(workbook, &properties);
    SheetWriter designs(workbook_add_worksheet(workbook, "设计"), firstError);
    writeDesignSheet(designs, table, formats);
    SheetWriter quantities(workbook_add_worksheet(workbook, "数量"), firstError);
    writeQuantitySheet(quantities, table, formats);
    SheetWriter inputs(workbook_add_worksheet(workbook, "输入与规范"), firstError);
    writeInputSheet(inputs, request, formats);
    const lxw_error closed = workbook_close(workbook);  // frees the workbook whatever happened
    return firstError != LXW_NO_ERROR ? firstError : closed;
}

std::optional<std::string> readWholeFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (!file.good() && !file.eof()) {
        return std::nullopt;
    }
    return bytes;
}

}  // namespace

Expected<void> writeDesignTableXlsx(const DesignTable& table, const TableRequest& request,
                                    const std::string& path) {
    const std::filesystem::path temporary = temporaryWorkbookPath();
    const lxw_error error = writeWorkbook(table, request, platform::utf8FromPath(temporary));
    std::optional<std::string> bytes;
    if (error == LXW_NO_ERROR) {
        bytes = readWholeFile(temporary);
    }
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    if (error != LXW_NO_ERROR) {
        return failure(ErrorCode::Package,
                       std::string(kDesignTableFileKind) + "文件生成失败：" + lxw_strerror(error));
    }
    if (!bytes) {
        return failure(ErrorCode::CannotWrite,
                       std::string(kDesignTableFileKind) + "文件生成失败：无法读回临时文件");
    }
    return replaceFileAtomically(path, *bytes, kDesignTableFileKind);
}

}  // namespace tavrel
