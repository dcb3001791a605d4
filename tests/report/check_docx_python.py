"""Reads the written reports back with python-docx, an independent reader of .docx files.

usage: check_docx_python.py SAMPLE_PROGRAM FIGURE_FOLDER
"""
import os
import subprocess
import sys
import tempfile

import docx
from docx.enum.shape import WD_INLINE_SHAPE
from docx.enum.text import WD_ALIGN_PARAGRAPH
from docx.shared import Pt, RGBColor, Twips

RED = RGBColor(0xFF, 0x00, 0x00)
W = "{http://schemas.openxmlformats.org/wordprocessingml/2006/main}"

failures = []


def check(condition, what):
    if not condition:
        failures.append(what)


def write_sample(program, case, folder, figures):
    path = os.path.join(folder, case + ".docx")
    subprocess.run([program, case, path, figures], check=True)
    return docx.Document(path)


def run_with(paragraph, text):
    return next((run for run in paragraph.runs if run.text == text), None)


def paragraph_starting(document, start):
    return next((p for p in document.paragraphs if p.text.startswith(start)), None)


def field_instructions(part_element):
    return [node.text.strip() for node in part_element.iter(W + "instrText")]


def check_passing(document):
    title = document.paragraphs[0]
    check(title.text == " 3.5米净跨径22米填土暗涵盖板计算", "title text: %r" % title.text)
    check(title.style.name == "Heading 2", "title style: %s" % title.style.name)
    check(title.alignment == WD_ALIGN_PARAGRAPH.CENTER, "title centred")

    heading = paragraph_starting(document, "1.设计资料")
    check(heading is not None and heading.runs[0].bold, "section heading in bold")
    check(heading is not None and heading.style.name == "Normal", "body in Normal")

    spans = paragraph_starting(document, "  净跨径：L0=3.5m")
    check(spans is not None, "span line")
    if spans is not None:
        check(run_with(spans, "0") is not None and run_with(spans, "0").font.subscript, "subscript L0")
    weights = paragraph_starting(document, "  盖板容重γ1=25kN/m3")
    check(weights is not None, "unit weight line: %r" % [p.text for p in document.paragraphs[5:9]])
    if weights is not None:
        check(run_with(weights, "3") is not None and run_with(weights, "3").font.superscript, "superscript m3")

    check(not any(run.font.color.rgb == RED for p in document.paragraphs for run in p.runs), "no red when all pass")
    check(paragraph_starting(document, "  裂缝宽度满足规范要求") is not None, "last verdict")

    shapes = document.inline_shapes
    check(len(shapes) == 1, "one inline picture, found %d" % len(shapes))
    if len(shapes) == 1:
        check(shapes[0].type == WD_INLINE_SHAPE.PICTURE, "inline shape is a picture")
        check((shapes[0].width, shapes[0].height) == (3038475, 3238500), "picture size %s" % (shapes[0].width,))

    section = document.sections[0]
    check((section.page_width, section.page_height) == (Twips(11906), Twips(16838)), "A4 portrait")
    check((section.top_margin, section.bottom_margin) == (Twips(1417), Twips(1417)), "top and bottom margins")
    check((section.left_margin, section.right_margin) == (Twips(1701), Twips(1134)), "left and right margins")
    check((section.header_distance, section.footer_distance) == (Twips(1191), Twips(1191)), "header distance")
    check(section.gutter == 0, "gutter")

    header = section.header
    check(header.paragraphs[0].text.startswith(" 3.5米净跨径22米填土暗涵盖板计算"), "header title")
    check(any(i.startswith("DATE") for i in field_instructions(header._element)), "header date field")
    footer = section.footer
    check(footer.paragraphs[0].alignment == WD_ALIGN_PARAGRAPH.CENTER, "footer centred")
    check(footer.paragraphs[0].text == "第 1 页 共 1 页", "footer text: %r" % footer.paragraphs[0].text)
    check(field_instructions(footer._element) == ["PAGE", "NUMPAGES"], "footer fields")

    normal = document.styles["Normal"]
    check(normal.font.size == Pt(12), "body 12 pt")
    fonts = normal.element.rPr.find(W + "rFonts")
    check(fonts is not None and fonts.get(W + "eastAsia") == "仿宋_GB2312", "body font")
    check(document.styles["Heading 2"].font.size == Pt(16), "title 16 pt")


def check_failing(document):
    red = [p.text for p in document.paragraphs if any(r.font.color.rgb == RED for r in p.runs)]
    expected = [
        "  砼受压区高度不满足规范要求，应减小主筋面积或减少主筋根数",
        "  主筋配筋率不满足规范要求，应增大主筋面积或增加主筋根数",
        "  正截面抗弯承载力不满足规范要求",
        "  斜截面抗剪承载力不满足规范要求",
        "  裂缝宽度不满足规范要求",
    ]
    check(red == expected, "red verdicts: %r" % red)
    stirrups = paragraph_starting(document, "  斜截面抗剪承载力不满足规范5.2.10要求")
    check(stirrups is not None and all(r.font.color.rgb != RED for r in stirrups.runs), "5.2.10 line not red")


def check_passing_2018(document):
    codes = paragraph_starting(document, "  设计规范：JTG D60-2015、JTG 3362-2018； 结构设计安全等级：二级")
    check(codes is not None, "2018: codes and safety class")
    if codes is not None:
        check(run_with(codes, "0") is not None and run_with(codes, "0").font.subscript, "2018: subscript γ0")
    check(not any(run.font.color.rgb == RED for p in document.paragraphs for run in p.runs),
          "2018: no red when all pass")
    check(paragraph_starting(document, "  抗剪截面尺寸满足规范要求") is not None, "2018: upper limit verdict")
    crack = paragraph_starting(document, "      Wcr=")
    check(crack is not None and run_with(crack, "cr") is not None and run_with(crack, "cr").font.subscript,
          "2018: crack formula with subscript cr")


def check_shear_2018(document):
    texts = [p.text for p in document.paragraphs]
    verdict = "  抗剪截面尺寸不满足规范要求，应增大截面尺寸或提高混凝土强度等级"
    check(verdict in texts, "2018: upper limit fails")
    if verdict in texts:
        at = texts.index(verdict)
        paragraph = document.paragraphs[at]
        check(all(run.font.color.rgb == RED for run in paragraph.runs), "2018: upper limit verdict in red")
        check(texts[at + 1:at + 3] == ["", "6.裂缝宽度计算"], "2018: section 5 ends after the upper limit")
    check(not any("5.2.12" in text for text in texts), "2018: no slab bound after a failed upper limit")


def check_no_bad_numbers(document):
    for paragraph in document.paragraphs:
        check("nan" not in paragraph.text and "inf" not in paragraph.text, "bad number in %r" % paragraph.text)


def check_full(document):
    """The full format: headings in heading styles, the summary's verdicts in words, a failure red."""
    headings = [p.text for p in document.paragraphs if p.style.name == "Heading 3"]
    for heading in ("设计依据", "计算参数汇总表", "1.设计资料", "6.裂缝宽度计算", "验算结果汇总表", "结论"):
        check(heading in headings, "full: heading style of " + heading)
    summary = document.tables[-1]
    check([cell.text for cell in summary.rows[0].cells] ==
          ["验算项目", "条文", "作用效应", "抗力或限值", "利用率", "结论"], "full: summary columns")
    verdicts = [row.cells[-1] for row in summary.rows[1:]]
    check(any(cell.text == "不满足" for cell in verdicts), "full: a failure in words")
    for cell in verdicts:
        red = any(run.font.color.rgb == RED for p in cell.paragraphs for run in p.runs)
        check(red == (cell.text == "不满足"), "full: red exactly for 不满足, not for %r" % cell.text)
    header = document.sections[0].header.paragraphs[0].text
    check(header == "K12+345 1-3.0 m 盖板涵\t计算书编号 JS-2024-017  版本 A", "full: header %r" % header)


def main():
    program, figures = sys.argv[1], sys.argv[2]
    with tempfile.TemporaryDirectory(prefix="tavrel-docx-") as folder:
        passing = write_sample(program, "passing", folder, figures)
        check_passing(passing)
        failing = write_sample(program, "failing", folder, figures)
        check_failing(failing)
        check_passing_2018(write_sample(program, "passing2018", folder, figures))
        check_shear_2018(write_sample(program, "shear2018", folder, figures))
        for case in ("open", "custom"):
            document = write_sample(program, case, folder, figures)
            check(len(document.inline_shapes) == 1, case + " has its figure")
            check_no_bad_numbers(document)
        check_no_bad_numbers(passing)
        check_full(write_sample(program, "fullfailing", folder, figures))
    for failure in failures:
        print("FAILED:", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
