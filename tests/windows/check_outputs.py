#!/usr/bin/env python3
"""Reads back on Linux what the Windows program wrote into a Chinese folder, and holds it against what
the Linux program writes from the same input:

    check_outputs.py FOLDER LINUX_CLI

FOLDER holds 暗涵盖板.tvrl and, written under Wine, 计算书.docx (report), 设计.tvrl (design -o) and
设计表.xlsx (table --spans 2:3:1 --fills 1:2:1 -o). The report must have the same paragraphs and its
figure, the design the same bytes, the workbook the same sheets and cells."""
import pathlib
import subprocess
import sys
import tempfile

import docx
import openpyxl


def paragraphs_and_pictures(path):
    document = docx.Document(path)
    return [p.text for p in document.paragraphs], len(document.inline_shapes)


def cells(path):
    book = openpyxl.load_workbook(path)
    return {sheet.title: [list(row) for row in sheet.iter_rows(values_only=True)] for sheet in book.worksheets}


def expect(same, what):
    if not same:
        sys.exit(f"check_outputs: {what} differs between the Windows and the Linux program")


def main():
    folder, linux_cli = pathlib.Path(sys.argv[1]), sys.argv[2]
    source = folder / "暗涵盖板.tvrl"
    with tempfile.TemporaryDirectory() as scratch:
        linux = pathlib.Path(scratch)
        for arguments in (["report", str(source), "-o", str(linux / "计算书.docx")],
                          ["design", str(source), "-o", str(linux / "设计.tvrl")],
                          ["table", str(source), "--spans", "2:3:1", "--fills", "1:2:1", "-o",
                           str(linux / "设计表.xlsx")]):
            subprocess.run([linux_cli, *arguments], check=True, stdout=subprocess.DEVNULL)
        windows_report = paragraphs_and_pictures(folder / "计算书.docx")
        expect(windows_report[1] == 1, "the report's figure (it has none)")
        expect(windows_report == paragraphs_and_pictures(linux / "计算书.docx"), "the report")
        expect((folder / "设计.tvrl").read_bytes() == (linux / "设计.tvrl").read_bytes(), "the design file")
        expect(cells(folder / "设计表.xlsx") == cells(linux / "设计表.xlsx"), "the workbook")
    print("check_outputs: report, design and workbook read back alike")


if __name__ == "__main__":
    main()
