"""Renders the written reports with LibreOffice and reads the PDF text: the fields are recalculated
(page X of Y, today's date), the title and verdicts are on the pages, and the page flow keeps together
what belongs together: no heading or quoted clause ends a page, no "=…" line or verdict starts one.

usage: check_docx_libreoffice.py SAMPLE_PROGRAM FIGURE_FOLDER
"""
import datetime
import os
import re
import subprocess
import sys
import tempfile
import zipfile

CONVERSION_SECONDS = 120

failures = []


def check(condition, what):
    if not condition:
        failures.append(what)


STALE_DATE = "1999-01-01"


def age_date_field(document):
    """Replaces the date shown in the header by an old one, so that only a recalculated field shows today."""
    with zipfile.ZipFile(document) as archive:
        parts = {name: archive.read(name) for name in archive.namelist()}
    header = parts["word/header1.xml"].decode("utf-8")
    parts["word/header1.xml"] = re.sub(r"<w:t>\d{4}-\d{2}-\d{2}</w:t>", "<w:t>%s</w:t>" % STALE_DATE,
                                       header).encode("utf-8")
    with zipfile.ZipFile(document, "w", zipfile.ZIP_DEFLATED) as archive:
        for name, content in parts.items():
            archive.writestr(name, content)


def render(program, cases, folder, figures):
    """Writes the sample reports, converts them to PDF in one run with a profile of its own and returns
    the text of each report as a list of pages."""
    documents = []
    for case in cases:
        document = os.path.join(folder, case + ".docx")
        subprocess.run([program, case, document, figures], check=True)
        age_date_field(document)
        documents.append(document)
    profile = "file://" + os.path.join(folder, "profile")
    subprocess.run(["soffice", "-env:UserInstallation=" + profile, "--headless", "--norestore",
                    "--convert-to", "pdf", "--outdir", folder] + documents,
                   check=True, timeout=CONVERSION_SECONDS, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    pages = {}
    for case in cases:
        pdf = os.path.join(folder, case + ".pdf")
        text = subprocess.run(["pdftotext", "-layout", pdf, "-"], check=True, capture_output=True,
                              text=True).stdout
        # pdftotext spaces Latin and Chinese text apart and ends each page with a form feed; compare
        # without blanks.
        pages[case] = [re.sub(r"[ \t\u3000]+", "", page) for page in text.split("\f")[:-1]]
    return pages


def check_pages(text, case):
    pages = re.findall(r"第(\d+)页共(\d+)页", text)
    check(len(pages) >= 2, "%s: page footers found: %r" % (case, pages))
    if pages:
        count = int(pages[0][1])
        check(count >= 2, "%s: page count %d" % (case, count))
        check([int(number) for number, _ in pages] == list(range(1, count + 1)), "%s: page numbers" % case)
        check(all(int(total) == count for _, total in pages), "%s: one page count" % case)


SECTION_HEADINGS = ("1.设计资料", "2.外力计算", "3.内力计算及荷载组合", "4.截面设计",
                    "5.持久状况承载能力极限状态计算", "6.裂缝宽度计算")
FULL_HEADINGS = ("设计依据", "计算参数汇总表", "验算结果汇总表", "结论")
ITEM_HEADING = re.compile(r"^\(?\d\)")
VERDICT = re.compile(r"满足规范|^可不进行|^未进行箍筋")


def body_lines(page):
    """The lines of a page between the header (title and date) and the footer (page X of Y)."""
    lines = [line for line in page.split("\n") if line]
    return lines[1:-1] if lines and re.match(r"第\d+页共\d+页", lines[-1]) else lines[1:]


def check_page_flow(pages, case):
    """What introduces a line does not end a page; what completes a line does not start one."""
    check(len(pages) >= 2, "%s: %d pages" % (case, len(pages)))
    for number, page in enumerate(pages, 1):
        body = body_lines(page)
        if not body:
            failures.append("%s: page %d is empty" % (case, number))
            continue
        first, last = body[0], body[-1]
        where = "%s: page %d " % (case, number)
        if number < len(pages):
            check(last not in SECTION_HEADINGS + FULL_HEADINGS, where + "ends in the section heading " + last)
            check(not ITEM_HEADING.match(last), where + "ends in the item heading " + last)
            check(not last.endswith((":", "：")), where + "ends in a quoted clause: " + last)
        if number > 1:
            check(not first.startswith("="), where + "starts with the continuation " + first)
            check(not VERDICT.search(first), where + "starts with the verdict " + first)


def main():
    program, figures = sys.argv[1], sys.argv[2]
    with tempfile.TemporaryDirectory(prefix="tavrel-lo-") as folder:
        before = datetime.date.today().isoformat()
        pages = render(program, ("passing", "failing", "open", "custom", "passing2018", "shear2018",
                                 "fullfailing", "fullshear2018", "fullopen"), folder, figures)
        after = datetime.date.today().isoformat()
    texts = {case: "".join(case_pages) for case, case_pages in pages.items()}
    passing, failing = texts["passing"], texts["failing"]

    for case in ("passing", "failing"):
        text = texts[case]
        check("3.5米净跨径22米填土暗涵盖板计算" in text, case + ": title")
        check(before in text or after in text, case + ": today's date in the header")
        check(STALE_DATE not in text, case + ": the date field was recalculated")
        check_pages(text, case)
        check("6.裂缝宽度计算" in text, case + ": last section")
    for case, case_pages in pages.items():
        check_page_flow(case_pages, case)

    for verdict in ("砼受压区高度满足规范要求", "主筋配筋率满足规范要求", "正截面抗弯承载力满足规范要求",
                    "9.3.13构造要求配置箍筋", "裂缝宽度满足规范要求"):
        check(verdict in passing, "passing: " + verdict)
    for verdict in ("砼受压区高度不满足规范要求", "主筋配筋率不满足规范要求", "正截面抗弯承载力不满足规范要求",
                    "斜截面抗剪承载力不满足规范要求", "裂缝宽度不满足规范要求"):
        check(verdict in failing, "failing: " + verdict)
    for case in ("passing2018", "shear2018"):
        check("JTG3362-2018" in texts[case] and "JTGD62-2004" not in texts[case], case + ": cites its codes")
        check_pages(texts[case], case)
    check("抗剪截面尺寸满足规范要求" in texts["passing2018"], "passing2018: upper limit verdict")
    check("抗剪截面尺寸不满足规范要求" in texts["shear2018"], "shear2018: upper limit verdict")
    for case in ("fullfailing", "fullshear2018", "fullopen"):
        text = texts[case]
        check_pages(text, case)
        check("K12+3451-3.0m盖板涵盖板计算书" in text, case + ": cover title")
        check("出具日期：2024-05-06" in text, case + ": the issue date as typed")
        check(STALE_DATE not in text and before not in text.replace("2024-05-06", ""),
              case + ": no date but the issue date")
        check("输入文件：涵洞K12+345.tvrl" in text, case + ": the input file in the footer")
        check(all(heading in text for heading in FULL_HEADINGS), case + ": the headings of the full format")
    check("不满足" in texts["fullfailing"].split("验算结果汇总表")[-1], "fullfailing: failures in the summary")
    for failure in failures:
        print("FAILED:", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
