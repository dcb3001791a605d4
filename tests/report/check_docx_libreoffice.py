"""Renders the written reports with LibreOffice and reads the PDF text: the fields are recalculated
(page X of Y, today's date) and the title and verdicts are on the pages.

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


def render(program, case, folder, figures):
    """Writes the sample report, converts it to PDF with a profile of its own and returns the PDF text."""
    document = os.path.join(folder, case + ".docx")
    subprocess.run([program, case, document, figures], check=True)
    age_date_field(document)
    profile = "file://" + os.path.join(folder, "profile-" + case)
    subprocess.run(["soffice", "-env:UserInstallation=" + profile, "--headless", "--norestore",
                    "--convert-to", "pdf", "--outdir", folder, document],
                   check=True, timeout=CONVERSION_SECONDS, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    pdf = os.path.join(folder, case + ".pdf")
    text = subprocess.run(["pdftotext", pdf, "-"], check=True, capture_output=True, text=True).stdout
    # pdftotext spaces Latin and Chinese text apart; compare without blanks.
    return re.sub(r"[ \t\u3000]+", "", text)


def check_pages(text, case):
    pages = re.findall(r"第(\d+)页共(\d+)页", text)
    check(len(pages) >= 2, "%s: page footers found: %r" % (case, pages))
    if pages:
        count = int(pages[0][1])
        check(count >= 2, "%s: page count %d" % (case, count))
        check([int(number) for number, _ in pages] == list(range(1, count + 1)), "%s: page numbers" % case)
        check(all(int(total) == count for _, total in pages), "%s: one page count" % case)


def main():
    program, figures = sys.argv[1], sys.argv[2]
    with tempfile.TemporaryDirectory(prefix="tavrel-lo-") as folder:
        before = datetime.date.today().isoformat()
        passing = render(program, "passing", folder, figures)
        failing = render(program, "failing", folder, figures)
        after = datetime.date.today().isoformat()

        for case, text in (("passing", passing), ("failing", failing)):
            check("3.5米净跨径22米填土暗涵盖板计算" in text, case + ": title")
            check(before in text or after in text, case + ": today's date in the header")
            check(STALE_DATE not in text, case + ": the date field was recalculated")
            check_pages(text, case)
            check("6.裂缝宽度计算" in text, case + ": last section")

        for verdict in ("砼受压区高度满足规范要求", "主筋配筋率满足规范要求", "正截面抗弯承载力满足规范要求",
                        "9.3.13构造要求配置箍筋", "裂缝宽度满足规范要求"):
            check(verdict in passing, "passing: " + verdict)
        for verdict in ("砼受压区高度不满足规范要求", "主筋配筋率不满足规范要求", "正截面抗弯承载力不满足规范要求",
                        "斜截面抗剪承载力不满足规范要求", "裂缝宽度不满足规范要求"):
            check(verdict in failing, "failing: " + verdict)
    for failure in failures:
        print("FAILED:", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
