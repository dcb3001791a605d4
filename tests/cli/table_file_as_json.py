"""Prints what independent readers see in a design table file, as JSON: openpyxl for a workbook
(sheets, frozen panes, cell values and number formats), python-docx for a document (orientation, tables,
paragraphs).

usage: table_file_as_json.py TABLE.xlsx|TABLE.docx
"""
import json
import sys


def workbook(path):
    import openpyxl

    book = openpyxl.load_workbook(path)
    return {
        "sheets": book.sheetnames,
        "freeze": {sheet.title: sheet.freeze_panes for sheet in book.worksheets},
        "rows": {sheet.title: [list(row) for row in sheet.iter_rows(values_only=True)] for sheet in book.worksheets},
        "formats": {
            sheet.title: [[cell.number_format for cell in row] for row in sheet.iter_rows()]
            for sheet in book.worksheets
        },
    }


def document(path):
    import docx
    from docx.enum.section import WD_ORIENT

    doc = docx.Document(path)
    section = doc.sections[0]
    return {
        "landscape": section.orientation == WD_ORIENT.LANDSCAPE and section.page_width > section.page_height,
        "tables": [[[cell.text for cell in row.cells] for row in table.rows] for table in doc.tables],
        "paragraphs": [paragraph.text for paragraph in doc.paragraphs],
    }


path = sys.argv[1]
print(json.dumps(workbook(path) if path.endswith(".xlsx") else document(path), ensure_ascii=False, default=str))
